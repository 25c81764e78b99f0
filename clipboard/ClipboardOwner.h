#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class ClipboardText;
class KeeperLaunch;
class WlCopy;

// The program's clipboard, for the program's whole life. Every copy goes through it: Copy
// Definition calls copy, and a text box's own copy (Ctrl+C) is made the program's copy as it lands.
// At the end, handOver passes the last copy to whatever keeps it once the program has gone; how,
// is decided once, at the first copy or the end, from the platform the program runs on.
class ClipboardOwner : public QObject
{
    Q_OBJECT

public:
    enum class Keeping
    {
        Undecided,
        Nothing, // no display, or Wayland data-control without a wl-copy that knows it
        Keeper,  // X11 and XWayland: quillary-clip, started at the first copy, is handed the last
                 // at the end, and meets a manager, a desktop, or serves the text
        WlCopy, // Wayland with data-control: each copy goes to wl-copy as it is made; at the end it
                // is ended where Klipper holds the copy, once Klipper has read it
        Desktop // Wayland without data-control (GNOME): the compositor fetches and keeps the text
    };

    // keeper: where quillary-clip lies, beside the program.
    explicit ClipboardOwner(QString keeper, QObject* parent = nullptr);
    ~ClipboardOwner() override;

    // Puts text on the clipboard as the program's copy, and returns that copy.
    const ClipboardText* copy(const QString& text);
    // Hands the last copy over, then runs then: at once, or from the event loop once the desktop
    // has fetched the copy (the windows hidden meanwhile). Further calls do nothing.
    void handOver(std::function<void()> then);
    Keeping keeping();

private:
    void adopt();
    void startKeeper();
    void toKeeper(const QString& text);
    bool waitForDesktop(const ClipboardText& copied);
    void lookForKlipper();
    bool waitForKlipper(const QString& text);
    void askKlipper(const QString& text);
    void ended();

    QString m_keeper;
    Keeping m_keeping = Keeping::Undecided;
    WlCopy* m_wlCopy = nullptr;
    QPointer<const ClipboardText> m_handed; // the last copy seen
    std::unique_ptr<KeeperLaunch> m_launch;
    bool m_handingOver = false;
    std::optional<bool> m_klipperRuns;
    std::function<void()> m_then;
    QTimer m_wait;
    QElapsedTimer m_sinceEnd;
};
