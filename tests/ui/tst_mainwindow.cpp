#include "clipboard/ClipboardOwner.h"
#include "dictionary/DictionaryLoader.h"
#include "harness/NoMoves.h"
#include "tests/support/Controls.h"
#include "tests/support/Fixture.h"
#include "tests/support/Waiting.h"
#include "ui/Form1.h"
#include "ui/LabelButton.h"
#include "ui/LabelButtonArray.h"
#include "ui/TermListModel.h"
#include "ui/WindowMoves.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

const QString FirstText = QStringLiteral("Select or search a term to see its definition.");

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void selectingARowShowsItsEntry();
    void go_data();
    void go();
    void goNotFoundShowsInformationBox_data();
    void goNotFoundShowsInformationBox();
    void copyDefinition();
    void filter_data();
    void filter();
    void emptyingTheSearchListsEveryTermUnselected();
    void trailingSpaceStillRebuilds();
    void focusAloneSelectsNothing_data();
    void focusAloneSelectsNothing();
    void selectedRowStays_data();
    void selectedRowStays();
    void keystrokeInsideAPassLeavesOnlyItsRows();
    void keysMoveAndScrollTheList_data();
    void keysMoveAndScrollTheList();
    void rowsAreAsTallAsTheFontAsks_data();
    void rowsAreAsTallAsTheFontAsks();
    void theRowUnderThePointerIsDrawnHovered();
    void typingInTheListJumpsToATerm_data();
    void typingInTheListJumpsToATerm();
    void scrollingLeavesOnScreenWhatAFreshPaintDraws_data();
    void scrollingLeavesOnScreenWhatAFreshPaintDraws();
    void accessibleControls_data();
    void accessibleControls();
    void pressActionClicksAsTheMouseCould_data();
    void pressActionClicksAsTheMouseCould();
    void secondPressWaitsBehindTheFirstsBox();
    void shortcutsAreTheirWindowsOwn();

private:
    void open(const QByteArray& dictionary);
    QAbstractItemView* list() const { return Controls::List1(m_form); }
    QLineEdit* search() const { return Controls::txtSearch(m_form); }
    QTextEdit* panel() const { return Controls::Text1(m_form); }
    QStringList listedTerms() const;
    void waitTicks(int ticks)
    {
        QSignalSpy spy(Controls::Timer(m_form), &QTimer::timeout);
        WAIT_VERIFY(spy.count() >= ticks);
    }
    void addGoWays();
    void runGo(int key);
    void click(int button)
    {
        QTest::mouseClick(Controls::CommandButton(m_form, button), Qt::LeftButton);
    }
    void clickRow(int row)
    {
        const QRect r = list()->visualRect(m_form->termModel()->index(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
    }

    TermStore m_store;
    NoMoves m_moves;
    ClipboardOwner m_clipboard{QString()};
    Form1* m_form = nullptr;
};

void TestMainWindow::init()
{
    open(Fixture::SmallDictionary);
}

// A main window over the dictionary of these bytes, every term listed, on the screen.
void TestMainWindow::open(const QByteArray& dictionary)
{
    delete m_form; // before the store it reads
    m_store = DictionaryLoader::parse(dictionary).store;
    m_form = new Form1(m_moves, m_store, m_clipboard);
    // Every change of the rows in these tests, the batched inserts included, checked as it happens.
    new QAbstractItemModelTester(m_form->termModel(),
                                 QAbstractItemModelTester::FailureReportingMode::QtTest, m_form);
    m_form->listEveryTerm();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void TestMainWindow::cleanup()
{
    delete m_form;
    m_form = nullptr;
}

QStringList TestMainWindow::listedTerms() const
{
    QStringList out;
    for (int r = 0; r < m_form->termModel()->rowCount(); ++r)
        out << m_form->termModel()->rowText(r);
    return out;
}

void TestMainWindow::selectingARowShowsItsEntry()
{
    clickRow(0); // already current: nothing to show
    waitTicks(2);
    QCOMPARE(panel()->toPlainText(), FirstText + "\n");

    clickRow(1); // "router" equals "ROUTER" ignoring case: the first one wins
    WAIT_COMPARE(panel()->toPlainText(),
                 QStringLiteral("ROUTER n.A device that forwards packets."));
    clickRow(6);
    WAIT_COMPARE(panel()->toPlainText(), QString::fromUtf8("Café.A place."));
    QCOMPARE(m_form->lookup().lastListIndex(), 6);
}

// GO runs from its button, and from Return or keypad Enter in the search box.
void TestMainWindow::addGoWays()
{
    QTest::addColumn<int>("key");
    QTest::newRow("GO clicked") << 0;
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestMainWindow::runGo(int key)
{
    if (key == 0)
        click(Form1::Go);
    else
        QTest::keyClick(search(), Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

void TestMainWindow::go_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("panel");
    const auto rows = [](const char* name, int key) {
        QTest::addRow("spaces only, %s", name) << key << "   "
                                               << "Please enter some text first !";
        QTest::addRow("spaced, mixed case, %s", name) << key << "  RouTer "
                                                      << "ROUTER n.A device that forwards packets.";
        QTest::addRow("short-head term, %s", name) << key << "ip.internet protocol"
                                                   << "IP. Internet Protocol .The protocol.";
        QTest::addRow("markup shown as written, %s", name) << key << "<B> TAG"
                                                           << "<b> tag n.The <b> element";
    };
    rows("GO clicked", 0);
    rows("Return", Qt::Key_Return);
    rows("keypad Enter", Qt::Key_Enter);
}

void TestMainWindow::go()
{
    QFETCH(int, key);
    QFETCH(QString, typed);
    QFETCH(QString, panel);
    QTest::keyClicks(search(), typed);
    const QStringList listed = listedTerms();
    runGo(key);
    QCOMPARE(this->panel()->toPlainText(), panel);
    QCOMPARE(listedTerms(), listed);
}

void TestMainWindow::goNotFoundShowsInformationBox_data()
{
    addGoWays();
}

void TestMainWindow::goNotFoundShowsInformationBox()
{
    QFETCH(int, key);
    QTest::keyClicks(search(), " RoUt ");
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    Fixture::onNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = int(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    runGo(key);
    QCOMPARE(text, QStringLiteral("Sorry ! The term RoUt was not found."));
    QCOMPARE(title, QStringLiteral("Quillary"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, 1);
    QCOMPARE(panel()->toPlainText(), FirstText + "\n");
}

void TestMainWindow::copyDefinition()
{
    QGuiApplication::clipboard()->setText("earlier contents");
    click(3); // the first text, with the line break its document ends in
    QCOMPARE(QGuiApplication::clipboard()->text(), FirstText + "\n");

    QTest::keyClicks(search(), "  ");
    click(0);
    click(3);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("Please enter some text first !"));

    clickRow(0);
    clickRow(1);
    WAIT_VERIFY(panel()->toPlainText().startsWith("ROUTER"));
    click(3);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("ROUTER n.A device that forwards packets."));
}

void TestMainWindow::filter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");
    const QStringList rou{"ROUTER", "router"};
    QTest::newRow("rou") << "rou" << rou;
    QTest::newRow("Rou") << "Rou" << rou;
    QTest::newRow("ROU") << "ROU" << rou;
    QTest::newRow("spaced") << " rou " << rou;
    QTest::newRow("hard d is not hardware") << "hard d" << QStringList{"hard disk"};
    QTest::newRow("accented") << QString::fromUtf8("CAF") << QStringList{QString::fromUtf8("Café")};
    QTest::newRow("begins nothing") << "zzz" << QStringList{};
    QTest::newRow("longer than every term") << "hardware and more" << QStringList{};
}

void TestMainWindow::filter()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    QTest::keyClicks(search(), typed);
    QCOMPARE(listedTerms(), expected);
    QCOMPARE(list()->currentIndex().row(), -1);
    QCOMPARE(m_form->lookup().lastListIndex(), -1);
    QCOMPARE(panel()->toPlainText(), FirstText + "\n");
}

void TestMainWindow::emptyingTheSearchListsEveryTermUnselected()
{
    QTest::keyClicks(search(), "ha");
    QCOMPARE(listedTerms().size(), 2);
    search()->clear();
    QCOMPARE(listedTerms().size(), int(m_store.size()));
    QCOMPARE(listedTerms().first(), QStringLiteral("ROUTER"));
    QVERIFY(!list()->selectionModel()->hasSelection());
    QCOMPARE(m_form->lookup().lastListIndex(), -1);

    clickRow(0); // row 0 is shown now, as the pass reset the follower
    WAIT_VERIFY(panel()->toPlainText().startsWith("ROUTER"));
}

void TestMainWindow::trailingSpaceStillRebuilds()
{
    QTest::keyClicks(search(), "r");
    clickRow(1);
    WAIT_COMPARE(m_form->lookup().lastListIndex(), 1);
    QTest::keyClick(search(), Qt::Key_Space);
    QCOMPARE(listedTerms(), (QStringList{"ROUTER", "router", "RAM"}));
    QCOMPARE(list()->currentIndex().row(), -1);
    QCOMPARE(m_form->lookup().lastListIndex(), -1);
}

void TestMainWindow::focusAloneSelectsNothing_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Down") << Qt::KeyboardModifiers();
    QTest::newRow("keypad Down") << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

void TestMainWindow::focusAloneSelectsNothing()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QTest::keyClicks(search(), "r");
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    search()->setFocus();
    QTest::keyClick(search(), Qt::Key_Tab,
                    Qt::ShiftModifier); // back to the list
    QCOMPARE(QApplication::focusWidget(), list());
    waitTicks(2);
    QCOMPARE(m_form->lookup().lastListIndex(), -1);
    QCOMPARE(panel()->toPlainText(), FirstText + "\n");

    // The first Down selects the first row, and the entry follows.
    QTest::keyClick(list(), Qt::Key_Down, modifiers);
    WAIT_COMPARE(m_form->lookup().lastListIndex(), 0);
    QCOMPARE(panel()->toPlainText(), QStringLiteral("ROUTER n.A device that forwards packets."));
    QTest::keyClick(list(), Qt::Key_Down, modifiers);
    WAIT_COMPARE(m_form->lookup().lastListIndex(), 1);
}

void TestMainWindow::selectedRowStays_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("belowLastRow");
    QTest::newRow("Ctrl+click on the selected row")
        << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("Shift+click on the selected row")
        << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
    QTest::newRow("click below the last row") << Qt::KeyboardModifiers() << true;
    QTest::newRow("Ctrl+click below the last row")
        << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
}

void TestMainWindow::selectedRowStays()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, belowLastRow);
    const auto selected = [this] {
        const QModelIndexList rows = list()->selectionModel()->selectedIndexes();
        return rows.size() == 1 ? rows.first().row() : -1;
    };
    clickRow(2);
    QCOMPARE(selected(), 2);
    const QRect last = list()->visualRect(m_form->termModel()->index(int(m_store.size()) - 1));
    const QPoint at = belowLastRow ? QPoint(last.center().x(), last.bottom() + 20)
                                   : list()->visualRect(m_form->termModel()->index(2)).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers, at);
    QCOMPARE(selected(), 2);
    QTest::keyClick(list(), Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(selected(), 2);
    list()->selectionModel()->clearSelection(); // a call, unlike a gesture, is not refused
    QCOMPARE(selected(), -1);

    clickRow(2);
    QTest::keyClicks(search(), "r"); // a filter pass leaves no row selected
    QCOMPARE(selected(), -1);
}

void TestMainWindow::keystrokeInsideAPassLeavesOnlyItsRows()
{
    open("##" + Fixture::numberedLines("a", 2000) + "ab0 n.x\r\nab1 n.x\r\n");
    // Runs at the first event run of the pass for "a": a key typed while the list is rebuilt.
    QMetaObject::invokeMethod(
        m_form, [this] { QTest::keyClick(search(), 'b'); }, Qt::QueuedConnection);
    QTest::keyClick(search(), 'a');
    QCOMPARE(listedTerms(), (QStringList{"ab0", "ab1"}));
}

void TestMainWindow::keysMoveAndScrollTheList_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("row");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    const Qt::KeyboardModifiers none;
    QTest::newRow("End") << QList<int>{Qt::Key_End} << 999 << none;
    QTest::newRow("End, Home") << QList<int>{Qt::Key_End, Qt::Key_Home} << 0 << none;
    QTest::newRow("Page Down twice")
        << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown} << 36 << none;
    QTest::newRow("End, Page Up") << QList<int>{Qt::Key_End, Qt::Key_PageUp} << 981 << none;
    QTest::newRow("End, Up") << QList<int>{Qt::Key_End, Qt::Key_Up} << 998 << none;
    // From the last row wholly shown, one row further scrolls by one.
    QTest::newRow("Down past the last row shown") << QList<int>(18, Qt::Key_Down) << 18 << none;
    // With NumLock off the keypad's keys come with the keypad modifier and act as the main keys.
    QTest::newRow("keypad Page Down, End, Up, Page Up")
        << QList<int>{Qt::Key_PageDown, Qt::Key_End, Qt::Key_Up, Qt::Key_PageUp} << 980
        << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

void TestMainWindow::keysMoveAndScrollTheList()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, row);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    open("##" + Fixture::numberedLines("term", 1000));
    for (const int key : keys)
        QTest::keyClick(list(), Qt::Key(key), modifiers);
    QCOMPARE(list()->currentIndex().row(), row);
    const QRect shown = list()->visualRect(list()->currentIndex());
    QVERIFY(list()->viewport()->rect().contains(shown));
    QCOMPARE(list()->indexAt(shown.center()), list()->currentIndex());
}

// A font changed at run time (the desktop's, or a screen of another scale) makes rows as tall as
// the new font asks, each below the other.
namespace {
// Paints rows as the view asks, recording those drawn as under the pointer; its rows may be made
// taller, as a new scale may make the rows' font.
class RowSpy : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override
    {
        return QStyledItemDelegate::sizeHint(o, i) * scale;
    }
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override
    {
        if (o.state & QStyle::State_MouseOver)
            hovered << i.row();
        QStyledItemDelegate::paint(p, o, i);
    }
    int scale = 1;
    mutable QList<int> hovered;
};
} // namespace

void TestMainWindow::rowsAreAsTallAsTheFontAsks_data()
{
    QTest::addColumn<bool>("scale");
    QTest::newRow("a larger font") << false;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0) // a new scale on the same screen, as it tells of it
    QTest::newRow("a new scale") << true;
#endif
}

void TestMainWindow::rowsAreAsTallAsTheFontAsks()
{
    QFETCH(bool, scale);
    open("##" + Fixture::numberedLines("term", 50));
    if (scale) {
        auto* tall = new RowSpy(list());
        tall->scale = 3;
        list()->setItemDelegate(tall);
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        QEvent change(QEvent::DevicePixelRatioChange);
        QCoreApplication::sendEvent(list(), &change);
#endif
    } else {
        QFont font = list()->font();
        font.setPointSize(font.pointSize() * 3);
        list()->setFont(font);
    }
    const QModelIndex second = m_form->termModel()->index(1);
    const int asked = list()->sizeHintForIndex(second).height();
    QVERIFY(asked > 30);
    QCOMPARE(list()->visualRect(second).top(), asked);
    QCOMPARE(list()->indexAt(QPoint(5, asked + asked / 2)), m_form->termModel()->index(1));
}

// From hover events: after a move, and once the rows scroll under a pointer that stays.
void TestMainWindow::theRowUnderThePointerIsDrawnHovered()
{
    open("##" + Fixture::numberedLines("term", 50));
    auto* log = new RowSpy(list());
    list()->setItemDelegate(log);
    QWidget* rows = list()->viewport();
    const int height = list()->visualRect(m_form->termModel()->index(0)).height();
    QTest::mouseMove(rows, QPoint(10, 2 * height + height / 2));
    log->hovered.clear();
    rows->repaint();
    QCOMPARE(log->hovered, QList<int>{2});
    list()->scrollTo(m_form->termModel()->index(49));
    log->hovered.clear();
    rows->repaint();
    QCOMPARE(log->hovered, QList<int>{2 + list()->indexAt(QPoint(1, 1)).row()});
}

void TestMainWindow::typingInTheListJumpsToATerm_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    QTest::newRow("the next term beginning with it, in either case") << "" << 0 << "a" << 3;
    QTest::newRow("an accented capital for its small letter") << "" << 0 << "\u00e9" << 2;
    QTest::newRow("past the last row, from the first") << "" << 4 << "a" << 0;
    QTest::newRow("two letters typed quickly") << "" << 0 << "al" << 3;
    QTest::newRow("nothing begins with it") << "" << 1 << "q" << 1;
    QTest::newRow("a filtered list: its rows' own terms") << "a" << 0 << "a" << 1;
}

void TestMainWindow::typingInTheListJumpsToATerm()
{
    QFETCH(QString, filter);
    QFETCH(int, from);
    QFETCH(QString, typed);
    QFETCH(int, row);
    open("##Alpha.A.\r\nbeta.B.\r\n\xc9"
         "clair.C.\r\nalpine.D.\r\nZed.E.\r\n\xe9"
         "den.F.\r\n");
    search()->setText(filter);
    list()->setFocus();
    list()->setCurrentIndex(m_form->termModel()->index(from));
    for (const QChar c : typed) { // QTest types ASCII only
        QKeyEvent key(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(list(), &key);
    }
    QCOMPARE(list()->currentIndex().row(), row);
}

void TestMainWindow::scrollingLeavesOnScreenWhatAFreshPaintDraws_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::newRow("down a row at a time") << QList<int>(25, Qt::Key_Down);
    QTest::newRow("Page Down, then up a row at a time")
        << (QList<int>{Qt::Key_PageDown, Qt::Key_PageDown} + QList<int>(25, Qt::Key_Up));
}

// What is drawn moves with the rows and only what comes into view is painted: the screen then
// shows what painting every row afresh would.
void TestMainWindow::scrollingLeavesOnScreenWhatAFreshPaintDraws()
{
    QFETCH(QList<int>, keys);
    open("##" + Fixture::numberedLines("term", 1000));
    QWidget* viewport = list()->viewport();
    for (const int key : keys) {
        QTest::keyClick(list(), Qt::Key(key));
        QCoreApplication::processEvents(); // each scroll reaches the screen
    }
    const QPoint at = viewport->mapTo(m_form, QPoint(0, 0));
    const QImage shown =
        m_form->screen()
            ->grabWindow(m_form->winId(), at.x(), at.y(), viewport->width(), viewport->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, viewport->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

void TestMainWindow::accessibleControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("keyBinding");
    QTest::newRow("list") << "List1" << QAccessible::List << "Terms" << QString() << QString();
    QTest::newRow("search box") << "txtSearch" << QAccessible::EditableText << "Text to search"
                                << QString() << QString();
    QTest::newRow("panel") << "Text1" << QAccessible::EditableText << "Definition" << QString()
                           << QString();
    QTest::newRow("GO") << "CommandButton(0)" << QAccessible::Button << "GO" << QString()
                        << "Return";
    QTest::newRow("About") << "CommandButton(1)" << QAccessible::Button << "About"
                           << "Read about us and this software"
                           << "F1";
    QTest::newRow("Exit") << "CommandButton(2)" << QAccessible::Button << "Exit"
                          << "Close the program"
                          << "Ctrl+Q";
    QTest::newRow("Copy Definition")
        << "CommandButton(3)" << QAccessible::Button << "Copy Definition"
        << "Copy the definition to the clipboard"
        << "Ctrl+Shift+C";
}

void TestMainWindow::accessibleControls()
{
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, accessibleName);
    QFETCH(QString, description);
    QFETCH(QString, keyBinding);
    auto* widget = m_form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(a);
    QCOMPARE(a->role(), role);
    QCOMPARE(a->text(QAccessible::Name), accessibleName);
    QCOMPARE(a->text(QAccessible::Description), description);
    if (role == QAccessible::Button) {
        const QString press = QAccessibleActionInterface::pressAction();
        QCOMPARE(a->actionInterface()->actionNames(), QStringList{press});
        QCOMPARE(a->actionInterface()->keyBindingsForAction(press), QStringList{keyBinding});
    }
}

void TestMainWindow::pressActionClicksAsTheMouseCould_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("clicks");
    const QString press = QAccessibleActionInterface::pressAction();
    QTest::newRow("press") << press << "shown" << true;
    QTest::newRow("focus is no press")
        << QAccessibleActionInterface::setFocusAction() << "shown" << false;
    QTest::newRow("press, window hidden") << press << "hidden" << false;
    QTest::newRow("press, behind a message box") << press << "behind a box" << false;
}

void TestMainWindow::pressActionClicksAsTheMouseCould()
{
    QFETCH(QString, action);
    QFETCH(QString, state);
    QFETCH(bool, clicks);
    QGuiApplication::clipboard()->setText("earlier contents");
    LabelButton* copy = Controls::CommandButton(m_form, Form1::CopyDefinition);
    QSignalSpy clicked(copy, &LabelButton::clicked);
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(copy)->actionInterface();
    if (state == "hidden")
        m_form->hide();
    if (state == "behind a box") {
        Fixture::onNextModal([&](QWidget* box) {
            actions->doAction(action);
            QCoreApplication::processEvents();
            box->close();
        });
        m_form->showInformation("up");
    } else {
        actions->doAction(action);
        QCOMPARE(clicked.count(), 0); // the tool has its answer before the click runs
    }
    QCoreApplication::processEvents();
    QCOMPARE(clicked.count(), clicks ? 1 : 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), clicks ? FirstText + "\n" : "earlier contents");
}

// An assistive tool that presses GO twice before the first press has run: the second finds the box
// the first one opened, as the mouse would, and does nothing.
void TestMainWindow::secondPressWaitsBehindTheFirstsBox()
{
    search()->setText("no such term");
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(Controls::CommandButton(m_form, Form1::Go))
            ->actionInterface();
    int boxes = 0;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, this, [&boxes] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            ++boxes;
            box->close();
        }
    });
    closer.start();
    actions->doAction(QAccessibleActionInterface::pressAction());
    actions->doAction(QAccessibleActionInterface::pressAction());
    WAIT_VERIFY(boxes > 0 && !QApplication::activeModalWidget());
    QCOMPARE(boxes, 1);
}

// A button's key acts only in its own window. An application-wide one would fire from the About
// window too, were its window shown; Qt leaves hidden and box-covered windows out either way.
void TestMainWindow::shortcutsAreTheirWindowsOwn()
{
    const QList<QShortcut*> shortcuts = m_form->findChildren<QShortcut*>();
    QCOMPARE(shortcuts.size(), 3); // About, Exit, Copy Definition; GO's Return is the search box's
    for (const QShortcut* shortcut : shortcuts)
        QCOMPARE(shortcut->context(), Qt::WindowShortcut);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
