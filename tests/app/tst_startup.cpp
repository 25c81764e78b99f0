#include "app/Forms.h"
#include "app/Startup.h"
#include "clipboard/ClipboardOwner.h"
#include "tests/support/Controls.h"
#include "tests/support/Fixture.h"
#include "tests/support/Waiting.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/LabelButton.h"
#include "ui/LabelButtonArray.h"
#include "ui/Labels.h"
#include "ui/ShapeWidget.h"
#include "ui/TermListModel.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QDir>
#include <QFontInfo>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <sys/stat.h>

namespace {

// Records, in order, every show and hide of the program's windows.
class WindowLog : public QObject
{
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) &&
            object->objectName().startsWith("Form") && object->isWidgetType() &&
            static_cast<QWidget*>(object)->isWindow())
            log << object->objectName() + (event->type() == QEvent::Show ? " shown" : " hidden");
        return false;
    }
    QStringList log;
};

struct Box
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensMainWindowWithEveryTerm();
    void splashIsUpWhileLoadingAndGoneBeforeMain();
    void failureBoxes_data();
    void failureBoxes();
    void tabOrder();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();
    void closingTheMainWindowEndsTheProgram();
    void shortcutsActAsTheButtons_data();
    void shortcutsActAsTheButtons();

private:
    bool start();

    QTemporaryDir* m_dir = nullptr;
    Startup* m_startup = nullptr;
    ClipboardOwner m_clipboard{QString()};
    Forms* m_forms = nullptr;
    QList<int> m_ends;
};

void TestStartup::init()
{
    m_dir = new QTemporaryDir;
    m_ends.clear();
    m_startup = new Startup;
    m_forms = new Forms(m_startup->store(), m_clipboard, [this](int code) { m_ends << code; });
}

void TestStartup::cleanup()
{
    delete m_forms;
    delete m_startup;
    delete m_dir;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool TestStartup::start()
{
    return m_startup->Form_Load(*m_forms, m_dir->path());
}

void TestStartup::opensMainWindowWithEveryTerm()
{
    QVERIFY(Fixture::writeFile(m_dir->filePath("data.dat"), Fixture::SmallDictionary));
    QVERIFY(start());
    Form1* main = m_forms->form1();
    QVERIFY(main->isVisible());
    QVERIFY(!m_forms->splashLoaded());

    QStringList rows;
    for (int r = 0; r < main->termModel()->rowCount(); ++r)
        rows << main->termModel()->rowText(r);
    QCOMPARE(rows, (QStringList{"ROUTER", "router", "RAM", "hardware", "hard disk",
                                "IP.Internet Protocol", QString::fromUtf8("Café"), "<b> tag"}));
    QCOMPARE(Controls::List1(main)->currentIndex().row(), 0);
    QVERIFY(Controls::List1(main)->selectionModel()->isRowSelected(0));
    QVERIFY(Controls::txtSearch(main)->text().isEmpty());
    QCOMPARE(main->lookup().lastListIndex(), 0);
    QVERIFY(QTest::qWaitForWindowActive(main));
    QCOMPARE(QApplication::focusWidget(), Controls::List1(main));

    // A few ticks: row 0 is current and was "shown", so the panel keeps its text.
    QSignalSpy ticks(Controls::Timer(main), &QTimer::timeout);
    WAIT_VERIFY(ticks.count() >= 2);
    QCOMPARE(Controls::Text1(main)->toPlainText(),
             QStringLiteral("Select or search a term to see its definition.\n"));
    QVERIFY(m_ends.isEmpty());
}

void TestStartup::splashIsUpWhileLoadingAndGoneBeforeMain()
{
    QVERIFY(Fixture::writeFile(m_dir->filePath("data.dat"), Fixture::SmallDictionary));
    WindowLog log;
    qApp->installEventFilter(&log);
    QVERIFY(start());
    qApp->removeEventFilter(&log);
    QCOMPARE(log.log, (QStringList{"Form3 shown", "Form3 hidden", "Form1 shown"}));
}

void TestStartup::failureBoxes_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("text");

    const QString notFound = Startup::NotFound + "\n" + Startup::Reinstall;
    QTest::newRow("missing") << "missing" << notFound;
    QTest::newRow("a folder named data.dat") << "folder" << notFound;
    QTest::newRow("a pipe named data.dat") << "fifo" << notFound;
    QTest::newRow("empty file") << "empty" << Startup::NoTerms + "\n" + Startup::Reinstall;
    QTest::newRow("spaces only") << "spaces" << Startup::NoTerms + "\n" + Startup::Reinstall;
    QTest::newRow("read error") << "unreadable" << Startup::Unreadable + "\n";
}

void TestStartup::failureBoxes()
{
    QFETCH(QString, setup);
    QFETCH(QString, text);

    const QString path = m_dir->filePath("data.dat");
    if (setup == "folder")
        QVERIFY(QDir(m_dir->path()).mkdir("data.dat"));
    if (setup == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (setup == "empty")
        QVERIFY(Fixture::writeFile(path, QByteArray()));
    if (setup == "spaces")
        QVERIFY(Fixture::writeFile(path, "   \r\n  \r\n"));
    if (setup == "unreadable") // an ordinary file whose every read fails
        QVERIFY(QFile::link("/proc/self/mem", path));

    Box box;
    bool splashUp = false;
    bool mainMade = true;
    Fixture::onNextModal([&](QWidget* modal) {
        auto* messageBox = qobject_cast<QMessageBox*>(modal);
        QVERIFY(messageBox);
        box = {messageBox->windowTitle(), messageBox->text(), messageBox->icon(),
               int(messageBox->buttons().size())};
        splashUp = m_forms->splashLoaded() && m_forms->form3()->isVisible();
        mainMade = m_forms->mainLoaded();
        messageBox->button(QMessageBox::Ok)->click();
    });
    QVERIFY(!start());
    QCOMPARE(box.title, QStringLiteral("Quillary"));
    QVERIFY2(box.text.startsWith(text), qPrintable(box.text));
    if (setup == "unreadable")
        QVERIFY2(box.text.contains(path), qPrintable(box.text));
    else
        QCOMPARE(box.text, text);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, 1);
    QVERIFY(splashUp);
    QCOMPARE(m_ends, QList<int>{0});
    QVERIFY(!mainMade); // the main window is made only on a loaded store
}

void TestStartup::tabOrder()
{
    QVERIFY(Fixture::writeFile(m_dir->filePath("data.dat"), Fixture::SmallDictionary));
    QVERIFY(start());
    Form1* main = m_forms->form1();
    QVERIFY(QTest::qWaitForWindowActive(main));
    const QList<QWidget*> order{Controls::txtSearch(main), Controls::Text1(main),
                                Controls::List1(main), Controls::txtSearch(main)};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestStartup::exitEndsTheProgram_data()
{
    QTest::addColumn<bool>("inPass");
    QTest::newRow("at rest") << false;
    // The window is freed at the pass's next event run: the pass must stop without touching it.
    QTest::newRow("inside a filter pass") << true;
}

void TestStartup::exitEndsTheProgram()
{
    QFETCH(bool, inPass);
    QVERIFY(Fixture::writeFile(m_dir->filePath("data.dat"),
                               "##" + Fixture::numberedLines("term", 200000, " n.Entry.")));
    QVERIFY(start());
    const QPointer<Form1> main = m_forms->form1();
    LabelButton* exit = Controls::CommandButton(main, 2);
    if (inPass) {
        QTimer::singleShot(0, exit, [exit] { QTest::mouseClick(exit, Qt::LeftButton); });
        QTest::keyClick(Controls::txtSearch(main), 't');
    } else {
        QTest::mouseClick(exit, Qt::LeftButton);
    }
    QCOMPARE(m_ends, QList<int>{0});
    QVERIFY(!m_forms->mainLoaded());
    QTRY_VERIFY(main.isNull());
}

void TestStartup::closingTheMainWindowEndsTheProgram()
{
    QVERIFY(Fixture::writeFile(m_dir->filePath("data.dat"), Fixture::SmallDictionary));
    QVERIFY(start());
    m_forms->form1()->close();
    QCOMPARE(m_ends, QList<int>{0});
    QVERIFY(!m_forms->mainLoaded());
}

void TestStartup::shortcutsActAsTheButtons_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<bool>("behindABox");
    QTest::addColumn<QString>("outcome");
    const QKeySequence f1(Qt::Key_F1), quit(Qt::CTRL | Qt::Key_Q),
        copy(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    // Each from another control: they belong to the window, not to one control.
    QTest::newRow("F1 in the list") << "List1" << f1 << false << "about";
    QTest::newRow("Ctrl+Q in the search box") << "txtSearch" << quit << false << "ended";
    QTest::newRow("Ctrl+Shift+C in the panel") << "Text1" << copy << false << "copied";
    QTest::newRow("Ctrl+Q behind a box") << "List1" << quit << true << "nothing";
    QTest::newRow("F1 behind a box") << "List1" << f1 << true << "nothing";
}

void TestStartup::shortcutsActAsTheButtons()
{
    QFETCH(QString, focus);
    QFETCH(QKeySequence, key);
    QFETCH(bool, behindABox);
    QFETCH(QString, outcome);
    QVERIFY(Fixture::writeFile(m_dir->filePath("data.dat"), Fixture::SmallDictionary));
    QVERIFY(start());
    Form1* main = m_forms->form1();
    QVERIFY(QTest::qWaitForWindowActive(main));
    main->findChild<QWidget*>(focus)->setFocus();
    QGuiApplication::clipboard()->setText("earlier contents");
    const auto type = [&] { QTest::keySequence(QApplication::focusWidget(), key); };
    if (behindABox) {
        Fixture::onNextModal([&](QWidget* box) {
            QVERIFY(QTest::qWaitForWindowActive(box));
            type();
            box->close();
        });
        QMessageBox::information(main, "Quillary", "up");
    } else {
        type();
    }
    QCOMPARE(m_forms->aboutLoaded(), outcome == "about");
    QCOMPARE(m_ends, outcome == "ended" ? QList<int>{0} : QList<int>{});
    QCOMPARE(QGuiApplication::clipboard()->text(),
             outcome == "copied" ? Controls::Text1(main)->toPlainText() : "earlier contents");
    if (outcome == "about") {
        Form2* about = m_forms->form2();
        QVERIFY(QTest::qWaitForWindowActive(about));
        // The main window's keys do nothing while it is hidden.
        QTest::keySequence(about, QKeySequence(Qt::CTRL | Qt::Key_Q));
        QTest::keySequence(about, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        QVERIFY(m_ends.isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("earlier contents"));
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(!m_forms->aboutLoaded());
        QVERIFY(main->isVisible());
    }
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
