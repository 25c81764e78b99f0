#include "clipboard/ClipboardOwner.h"

#include "clipboard/ClipboardText.h"
#include "clipboard/DataControl.h"
#include "clipboard/KeeperLaunch.h"
#include "clipboard/WlCopy.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QWindow>
#include <utility>
#include <xcb/xcb.h>

namespace {

void hideWindows()
{
    for (QWindow* window : QGuiApplication::topLevelWindows())
        window->hide();
}

// For an end that follows at once: the X server unmaps the windows without Qt's hiding (focus
// moves, accessibility events), which costs the end under XWayland nearly half a millisecond.
void unmapWindows(xcb_connection_t* connection)
{
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (window->handle())
            xcb_unmap_window(connection, xcb_window_t(window->winId()));
    xcb_flush(connection);
}

} // namespace

ClipboardOwner::ClipboardOwner(QString keeper, QObject* parent)
    : QObject(parent), m_keeper(std::move(keeper))
{
    m_wait.setSingleShot(true);
    connect(&m_wait, &QTimer::timeout, this, &ClipboardOwner::ended);
    // Queued: a text box's copy is made the program's once the text box is done setting it.
    if (QClipboard* clipboard = qGuiApp ? QGuiApplication::clipboard() : nullptr)
        connect(clipboard, &QClipboard::dataChanged, this, &ClipboardOwner::adopt,
                Qt::QueuedConnection);
}

ClipboardOwner::~ClipboardOwner() = default; // a keeper given no text ends

ClipboardOwner::Keeping ClipboardOwner::keeping()
{
    if (m_keeping != Keeping::Undecided)
        return m_keeping;
    const QString platform = qGuiApp ? QGuiApplication::platformName() : QString();
    m_keeping = Keeping::Nothing;
    if (platform == QLatin1String("xcb")) {
        m_keeping = Keeping::Keeper;
    } else if (platform.startsWith(QLatin1String("wayland"))) {
        const unsigned control = DataControl::offered();
        const QString wlCopy = control == DataControl::None ? QString() : WlCopy::find();
        if (control == DataControl::None) {
            m_keeping = Keeping::Desktop;
        } else if (!wlCopy.isEmpty() &&
                   ((control & DataControl::Wlr) || WlCopy::knowsExtDataControl(wlCopy))) {
            m_keeping = Keeping::WlCopy;
            m_wlCopy = new WlCopy(wlCopy, this);
            lookForKlipper();
        }
    }
    return m_keeping;
}

const ClipboardText* ClipboardOwner::copy(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    auto* copied = new ClipboardText(text);
    copied->putOn(*clipboard);
    return copied;
}

// Each copy of the program's, as it lands: a text box's made the program's own, and where wl-copy
// keeps copies, handed to it. Once it returns, an owned clipboard holds m_handed. (On X11 each
// look at the clipboard's data asks the server who owns it: one look here at most.)
void ClipboardOwner::adopt()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (m_handingOver || !clipboard->ownsClipboard())
        return;
    // Qt's X11 clipboard deletes the copy it replaces: where a keeper runs, a copy still there is
    // the clipboard's, and the server is not asked.
    if (m_launch && m_handed)
        return;
    const auto* copied = qobject_cast<const ClipboardText*>(clipboard->mimeData());
    if (!copied)
        copied = copy(clipboard->text());
    if (copied == m_handed)
        return;
    m_handed = copied;
    if (keeping() == Keeping::WlCopy)
        m_wlCopy->keep(copied->copied());
    else if (keeping() == Keeping::Keeper && !m_launch)
        startKeeper();
}

void ClipboardOwner::startKeeper()
{
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        const xcb_setup_t* setup = xcb_get_setup(x11->connection());
        m_launch = std::make_unique<KeeperLaunch>(m_keeper, setup->resource_id_base,
                                                  setup->resource_id_mask);
    }
}

void ClipboardOwner::handOver(std::function<void()> then)
{
    if (m_handingOver)
        return;
    QClipboard* clipboard = qGuiApp ? QGuiApplication::clipboard() : nullptr;
    if (clipboard)
        adopt(); // a text box's copy that has only just landed
    m_handingOver = true;
    const ClipboardText* copied =
        clipboard && clipboard->ownsClipboard() ? m_handed.data() : nullptr;
    // wl-copy owns the clipboard once it runs: what it serves is handed over, owned or not.
    const std::optional<QString> served = m_wlCopy ? m_wlCopy->kept() : std::nullopt;
    const Keeping how = copied ? keeping() : Keeping::Undecided;
    if (how == Keeping::Keeper)
        toKeeper(copied->copied());
    if ((served && waitForKlipper(*served)) ||
        (how == Keeping::Desktop && waitForDesktop(*copied))) {
        m_then = std::move(then);
        return;
    }
    then();
}

// The keeper, started at the first copy, takes the clipboard on a connection of its own. On X11 the
// windows go first, so that nobody waits for the take-over; through XWayland only once it has the
// clipboard, as KWin hands the X clipboard to Wayland clients only while an X window of the
// program is there.
void ClipboardOwner::toKeeper(const QString& text)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    const bool xwayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!xwayland)
        unmapWindows(x11->connection());
    if (m_launch && m_launch->handOver(text) && xwayland) // started as the copy was adopted
        unmapWindows(x11->connection());
}

// A compositor that keeps a closed program's copy (GNOME's mutter) fetches the text as soon as it
// is copied, and keeps nothing if the program ends before it has read it all. An end right after a
// copy waits for that fetch, and then for the compositor to read, with the windows gone. Whether
// the wait is needed.
bool ClipboardOwner::waitForDesktop(const ClipboardText& copied)
{
    constexpr qint64 MostForFetch = 500; // ms after the copy: a compositor that never fetches
    constexpr qint64 ForReading = 50;    // ms after the fetch
    const qint64 fetched = copied.msecsSinceFetched();
    const qint64 wait =
        fetched < 0 ? MostForFetch - copied.msecsSinceCopied() : ForReading - fetched;
    if (wait <= 0)
        return false;
    hideWindows();
    connect(&copied, &ClipboardText::fetched, &m_wait, [this] { m_wait.start(int{ForReading}); });
    m_wait.start(static_cast<int>(wait));
    return true;
}

// KDE's Klipper keeps the clipboard itself, and puts its newest entry back when the owner goes:
// where that entry is the copy, nothing of ours needs to outlive the program, and wl-copy is ended.
// Klipper is asked without blocking (it may be reading the copy from this very program), and asked
// again for a while if it has not read it yet, the windows hidden meanwhile. Never started.
bool ClipboardOwner::waitForKlipper(const QString& text)
{
    if (!m_klipperRuns.value_or(true)) { // none at the first copy (or no session bus)
        m_wlCopy->finish();
        return false;
    }
    hideWindows();
    m_sinceEnd.start();
    askKlipper(text);
    return true;
}

// Whether Klipper runs, asked once, as wl-copy is chosen: an Exit where none runs then neither
// connects to the session bus nor waits for its answer (a few ms under KWin). Unknown until the
// answer comes.
void ClipboardOwner::lookForKlipper()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        m_klipperRuns = false;
        return;
    }
    auto* answer =
        new QDBusPendingCallWatcher(bus.interface()->asyncCall(QStringLiteral("NameHasOwner"),
                                                               QStringLiteral("org.kde.klipper")),
                                    this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, answer] {
        answer->deleteLater();
        const QDBusPendingReply<bool> reply = *answer;
        m_klipperRuns = !reply.isValid() || reply.value(); // no answer: ask at the end
    });
}

void ClipboardOwner::askKlipper(const QString& text)
{
    constexpr int MostForKlipper = 1000; // ms: a loaded machine's Klipper reads a copy late
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.klipper"), QStringLiteral("/klipper"),
        QStringLiteral("org.kde.klipper.klipper"), QStringLiteral("getClipboardContents"));
    call.setAutoStartService(false);
    auto* answer = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(call, MostForKlipper), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, text, answer] {
        answer->deleteLater();
        const QDBusMessage reply = answer->reply();
        const bool present = reply.type() == QDBusMessage::ReplyMessage;
        const bool holds = present && reply.arguments().value(0) == text;
        if (present && !holds && m_sinceEnd.elapsed() < MostForKlipper) {
            QTimer::singleShot(20, this, [this, text] { askKlipper(text); });
            return;
        }
        holds ? m_wlCopy->stop() : m_wlCopy->finish();
        ended();
    });
}

void ClipboardOwner::ended()
{
    if (m_then)
        std::exchange(m_then, {})();
}
