#include "Fixture.h"
#include "app/Forms.h"
#include "app/Startup.h"
#include "dictionary/Module1.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/LabelButton.h"
#include "ui/LabelButtonArray.h"
#include "ui/ShapeWidget.h"
#include "ui/TermListModel.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

class TestWindowMoves : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aboutHidesMainAndGoBackRestoresIt();
    void eachOpeningIsAFreshCentredWindow();
    void goBackPressedLook_data();
    void goBackPressedLook();
    void closingAboutActsAsGoBack();
    void followerRunsWhileMainIsHidden();
    void aboutWindowLook();
    void pressActionsMoveBetweenWindows();

private:
    void clickAbout()
    {
        QTest::mouseClick(m_main->buttons->CommandButton(Form1::About), Qt::LeftButton);
    }
    void clickGoBack(Form2* about)
    {
        QTest::mouseClick(about->buttons->CommandButton(Form2::GoBack), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir* m_dir = nullptr;
    Forms* m_forms = nullptr;
    Form1* m_main = nullptr;
};

void TestWindowMoves::init()
{
    m_dir = new QTemporaryDir;
    Module1::Store = TermStore();
    m_forms = new Forms(Module1::Store, [](int) { QFAIL("the program must not end here"); });
    QVERIFY(Fixture::writeFile(m_dir->filePath("data.dat"), Fixture::SmallDictionary));
    QVERIFY(Startup::Form_Load(*m_forms, m_dir->path()));
    m_main = m_forms->form1();
}

void TestWindowMoves::cleanup()
{
    delete m_forms;
    delete m_dir;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestWindowMoves::aboutHidesMainAndGoBackRestoresIt()
{
    QTest::keyClicks(m_main->txtSearch, "ha");
    m_main->List1->setCurrentIndex(m_main->rows()->index(1));
    QTRY_COMPARE(m_main->Text1->toPlainText(), QStringLiteral("hard disk.A storage device."));

    clickAbout();
    QVERIFY(!m_main->isVisible());
    QVERIFY(m_forms->isLoaded1());
    QVERIFY(m_forms->isLoaded2());
    Form2* about = m_forms->form2();
    QVERIFY(about->isVisible());

    clickGoBack(about);
    QVERIFY(m_main->isVisible());
    QVERIFY(!m_forms->isLoaded2());
    QCOMPARE(m_main->txtSearch->text(), QStringLiteral("ha"));
    QCOMPARE(m_main->rows()->rowCount(), 2);
    QCOMPARE(m_main->List1->currentIndex().row(), 1);
    QCOMPARE(m_main->Text1->toPlainText(), QStringLiteral("hard disk.A storage device."));
    QCOMPARE(m_main->lookup().LastListIndex, 1);
}

void TestWindowMoves::eachOpeningIsAFreshCentredWindow()
{
    clickAbout();
    QPointer<Form2> first = m_forms->form2();
    QTest::mousePress(first->buttons->CommandButton(0), Qt::RightButton); // leave it pressed
    clickGoBack(first);
    QVERIFY(first.isNull());

    clickAbout();
    Form2* second = m_forms->form2();
    QVERIFY(second->isVisible());
    QCOMPARE(second->buttons->Shape(0)->fillColor(), QColor(128, 128, 128));
    QCOMPARE(second->buttons->CommandButton(0)->textColor(),
             QApplication::palette().color(QPalette::HighlightedText));
    const QRect screen = second->screen()->availableGeometry();
    // Within the few pixels of a window frame.
    QVERIFY(qAbs(second->geometry().center().x() - screen.center().x()) <= 4);
    QVERIFY(qAbs(second->geometry().center().y() - screen.center().y()) <= 4);
}

void TestWindowMoves::goBackPressedLook_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestWindowMoves::goBackPressedLook()
{
    QFETCH(Qt::MouseButton, button);
    clickAbout();
    Form2* about = m_forms->form2();
    LabelButton* goBack = about->buttons->CommandButton(0);
    QTest::mousePress(goBack, button);
    QCOMPARE(about->buttons->Shape(0)->fillColor(), QColor(255, 255, 255));
    QCOMPARE(goBack->textColor(), QColor(0, 0, 0));
    if (button != Qt::LeftButton) {
        QTest::mouseRelease(goBack, button);
        QCOMPARE(about->buttons->Shape(0)->fillColor(), QColor(128, 128, 128));
        QCOMPARE(goBack->textColor(), QColor(255, 255, 255));
        QVERIFY(about->isVisible()); // only the left button clicks
    }
}

void TestWindowMoves::closingAboutActsAsGoBack()
{
    clickAbout();
    m_forms->form2()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_main->isVisible());
    QVERIFY(!m_forms->isLoaded2());
}

void TestWindowMoves::followerRunsWhileMainIsHidden()
{
    clickAbout();
    m_main->List1->setCurrentIndex(m_main->rows()->index(2));
    QTRY_COMPARE(m_main->Text1->toPlainText(), QStringLiteral("RAM.Random Access Memory."));
    QVERIFY(!m_main->isVisible());
}

void TestWindowMoves::aboutWindowLook()
{
    clickAbout();
    Form2* about = m_forms->form2();
    QCOMPARE(about->windowTitle(),
             QStringLiteral("About Quillary") + QString(31, ' ') + "by Ostrevan.");
    QCOMPARE(about->size(), QSize(658, 491));
    QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
    const auto text = [&](const char* name) { return about->findChild<QLabel*>(name)->text(); };
    QVERIFY(text("Label1").startsWith(
        "Quillary is a comprehensive dictionary of about 10,000 computer-related terms and "
        "abbreviations. "));
    QVERIFY(text("Label1").contains("simple terminology, with more specialised language"));
    QCOMPARE(text("Label3"), QStringLiteral("Developed by : Ostrevan"));
    QVERIFY(text("Label4").startsWith("Email Address : "));
    QVERIFY(text("Label4").endsWith("example.com"));
    QCOMPARE(text("Label5"), QStringLiteral("Company Name : Pemberlux"));
    QVERIFY(text("Label6").startsWith("Company Web : "));
    QCOMPARE(text("Label7"), QStringLiteral("Completed in two days on 21 Dec, 2007"));
    QCOMPARE(about->findChild<QWidget*>("CommandButton0")->geometry(), QRect(240, 444, 193, 17));
    QCOMPARE(about->findChild<QWidget*>("Shape0")->geometry(), QRect(240, 440, 193, 25));
    QCOMPARE(about->findChild<QWidget*>("Label1")->geometry(), QRect(24, 112, 609, 137));
    for (QWidget* child : about->findChildren<QWidget*>())
        QCOMPARE(child->focusPolicy(), Qt::NoFocus);
}

void TestWindowMoves::pressActionsMoveBetweenWindows()
{
    const auto press = [](LabelButton* button) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(a->role(), QAccessible::Button);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press(m_main->buttons->CommandButton(Form1::About));
    QVERIFY(m_forms->isLoaded2());
    Form2* about = m_forms->form2();
    QVERIFY(about->isVisible());
    QVERIFY(!m_main->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(about->buttons->CommandButton(Form2::GoBack))
                 ->text(QAccessible::Name),
             QStringLiteral("Go Back"));
    press(about->buttons->CommandButton(Form2::GoBack));
    QVERIFY(m_main->isVisible());
    QVERIFY(!m_forms->isLoaded2());
}

QTEST_MAIN(TestWindowMoves)
#include "tst_windowmoves.moc"
