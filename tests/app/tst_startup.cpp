#include "Fixture.h"
#include "app/Form3.h"
#include "app/Forms.h"
#include "app/Startup.h"
#include "dictionary/Module1.h"
#include "ui/Form1.h"
#include "ui/LabelButton.h"
#include "ui/LabelButtonArray.h"
#include "ui/ShapeWidget.h"
#include "ui/TermListModel.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
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
    void mainWindowGeometry_data();
    void mainWindowGeometry();
    void mainWindowLook();
    void tabOrder();
    void exitEndsTheProgram();
    void closingTheMainWindowEndsTheProgram();

private:
    bool start();

    QTemporaryDir* m_dir = nullptr;
    Forms* m_forms = nullptr;
    QList<int> m_ends;
};

void TestStartup::init()
{
    m_dir = new QTemporaryDir;
    m_ends.clear();
    Module1::Store = TermStore();
    m_forms = new Forms(Module1::Store, [this](int code) { m_ends << code; });
}

void TestStartup::cleanup()
{
    delete m_forms;
    delete m_dir;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool TestStartup::start()
{
    return Startup::Form_Load(*m_forms, m_dir->path());
}

void TestStartup::opensMainWindowWithEveryTerm()
{
    QVERIFY(Fixture::writeFile(m_dir->filePath("data.dat"), Fixture::SmallDictionary));
    QVERIFY(start());
    Form1* main = m_forms->form1();
    QVERIFY(main->isVisible());
    QVERIFY(!m_forms->isLoaded3());
    QCOMPARE(Module1::DataPath, m_dir->path() + "/data.dat");

    QStringList rows;
    for (int r = 0; r < main->rows()->rowCount(); ++r)
        rows << main->rows()->rowText(r);
    QCOMPARE(rows, (QStringList{"ROUTER", "router", "RAM", "hardware", "hard disk",
                                "IP.Internet Protocol", QString::fromUtf8("Café")}));
    QCOMPARE(main->List1->currentIndex().row(), 0);
    QVERIFY(main->List1->selectionModel()->isRowSelected(0));
    QVERIFY(main->txtSearch->text().isEmpty());
    QCOMPARE(main->lookup().LastListIndex, 0);
    QVERIFY(QTest::qWaitForWindowActive(main));
    QCOMPARE(QApplication::focusWidget(), main->List1);

    QTest::qWait(250); // a few ticks: row 0 is current and was "shown", so the panel keeps its text
    QCOMPARE(main->Text1->toPlainText(),
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
    Fixture::onNextModal([&](QWidget* modal) {
        auto* messageBox = qobject_cast<QMessageBox*>(modal);
        QVERIFY(messageBox);
        box = {messageBox->windowTitle(), messageBox->text(), messageBox->icon(),
               int(messageBox->buttons().size())};
        splashUp = m_forms->isLoaded3() && m_forms->form3()->isVisible();
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
    QVERIFY(!m_forms->isLoaded1());
}

void TestStartup::mainWindowGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Label4") << "Label4" << QRect(24, 24, 193, 65);
    QTest::newRow("Label2") << "Label2" << QRect(24, 104, 137, 17);
    QTest::newRow("Label3") << "Label3" << QRect(272, 104, 137, 17);
    QTest::newRow("List1") << "List1" << QRect(24, 128, 233, 275);
    QTest::newRow("txtSearch") << "txtSearch" << QRect(272, 129, 201, 25);
    QTest::newRow("Label1") << "Label1" << QRect(272, 192, 137, 17);
    QTest::newRow("Shape1") << "Shape1" << QRect(272, 216, 377, 187);
    QTest::newRow("Text1") << "Text1" << QRect(280, 218, 361, 177);
    QTest::newRow("GO caption") << "CommandButton0" << QRect(496, 132, 89, 17);
    QTest::newRow("GO shape") << "Shape0" << QRect(496, 128, 89, 25);
    QTest::newRow("About caption") << "CommandButton1" << QRect(152, 444, 113, 17);
    QTest::newRow("About shape") << "Shape1" << QRect(272, 216, 377, 187);
    QTest::newRow("Exit caption") << "CommandButton2" << QRect(408, 444, 113, 17);
    QTest::newRow("Exit shape") << "Shape2" << QRect(408, 440, 113, 25);
    QTest::newRow("Copy caption") << "CommandButton3" << QRect(280, 444, 113, 17);
    QTest::newRow("Copy shape") << "Shape3" << QRect(280, 440, 113, 25);
}

void TestStartup::mainWindowGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    Form1* main = m_forms->form1();
    QWidget* widget = main->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), geometry);
}

void TestStartup::mainWindowLook()
{
    Form1* main = m_forms->form1();
    QCOMPARE(main->windowTitle(), QStringLiteral("Quillary") + QString(37, ' ') + "by Ostrevan.");
    QCOMPARE(main->size(), QSize(660, 493));
    QCOMPARE(main->minimumSize(), main->maximumSize());
    QVERIFY(main->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(main->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(main->windowIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(main->findChild<QLabel*>("Label1")->palette().color(QPalette::WindowText),
             QColor(128, 0, 0));
    QCOMPARE(main->findChild<QLabel*>("Label4")->palette().color(QPalette::WindowText),
             QColor(192, 192, 192));
    QCOMPARE(main->findChild<QLabel*>("Label2")->font().pointSizeF(), 12.0);
    QVERIFY(main->findChild<QLabel*>("Label2")->font().bold());
    QCOMPARE(main->List1->palette().color(QPalette::Base), QColor(224, 224, 224));
    QCOMPARE(main->txtSearch->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(main->Text1->palette().color(QPalette::Base), QColor(224, 224, 224));
    QCOMPARE(main->Text1->font().pointSizeF(), 11.25);
    QVERIFY(main->Text1->isReadOnly());
    QCOMPARE(main->Timer->interval(), 100);
    QVERIFY(main->Timer->isActive());
    QCOMPARE(main->txtSearch->maxLength(), std::numeric_limits<int>::max());
    QCOMPARE(main->buttons->CommandButton(0)->toolTip(), QString());
    QCOMPARE(main->buttons->CommandButton(1)->toolTip(),
             QStringLiteral("Read about us and this software"));
    QCOMPARE(main->buttons->CommandButton(2)->toolTip(), QStringLiteral("Close the program"));
}

void TestStartup::tabOrder()
{
    QVERIFY(Fixture::writeFile(m_dir->filePath("data.dat"), Fixture::SmallDictionary));
    QVERIFY(start());
    Form1* main = m_forms->form1();
    QVERIFY(QTest::qWaitForWindowActive(main));
    const QList<QWidget*> order{main->txtSearch, main->Text1, main->List1, main->txtSearch};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestStartup::exitEndsTheProgram()
{
    QVERIFY(Fixture::writeFile(m_dir->filePath("data.dat"), Fixture::SmallDictionary));
    QVERIFY(start());
    QTest::mouseClick(m_forms->form1()->buttons->CommandButton(2), Qt::LeftButton);
    QCOMPARE(m_ends, QList<int>{0});
    QVERIFY(!m_forms->isLoaded1());
}

void TestStartup::closingTheMainWindowEndsTheProgram()
{
    QVERIFY(Fixture::writeFile(m_dir->filePath("data.dat"), Fixture::SmallDictionary));
    QVERIFY(start());
    m_forms->form1()->close();
    QCOMPARE(m_ends, QList<int>{0});
    QVERIFY(!m_forms->isLoaded1());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
