#include "app/Forms.h"
#include "app/Startup.h"
#include "clipboard/ClipboardOwner.h"
#include "tests/support/Controls.h"
#include "tests/support/Fixture.h"
#include "tests/support/Waiting.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/LabelButton.h"
#include "ui/LabelButtonArray.h"
#include "ui/ShapeWidget.h"
#include "ui/TermListModel.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
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
    void aboutWindowTakesNoFocus();
    void pressActionsMoveBetweenWindows();

private:
    void clickAbout()
    {
        QTest::mouseClick(Controls::CommandButton(m_main, Form1::About), Qt::LeftButton);
    }
    void clickGoBack(Form2* about)
    {
        QTest::mouseClick(Controls::CommandButton(about, Form2::GoBack), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir* m_dir = nullptr;
    Startup* m_startup = nullptr;
    ClipboardOwner m_clipboard{QString()};
    Forms* m_forms = nullptr;
    Form1* m_main = nullptr;
};

void TestWindowMoves::init()
{
    m_dir = new QTemporaryDir;
    m_startup = new Startup;
    m_forms = new Forms(m_startup->store(), m_clipboard,
                        [](int) { QFAIL("the program must not end here"); });
    QVERIFY(Fixture::writeFile(m_dir->filePath("data.dat"), Fixture::SmallDictionary));
    QVERIFY(m_startup->Form_Load(*m_forms, m_dir->path()));
    m_main = m_forms->form1();
}

void TestWindowMoves::cleanup()
{
    delete m_forms;
    delete m_startup;
    delete m_dir;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestWindowMoves::aboutHidesMainAndGoBackRestoresIt()
{
    QTest::keyClicks(Controls::txtSearch(m_main), "ha");
    Controls::List1(m_main)->setCurrentIndex(m_main->termModel()->index(1));
    WAIT_COMPARE(Controls::Text1(m_main)->toPlainText(),
                 QStringLiteral("hard disk.A storage device."));

    clickAbout();
    QVERIFY(!m_main->isVisible());
    QVERIFY(m_forms->mainLoaded());
    QVERIFY(m_forms->aboutLoaded());
    Form2* about = m_forms->form2();
    QVERIFY(about->isVisible());

    clickGoBack(about);
    QVERIFY(m_main->isVisible());
    QVERIFY(!m_forms->aboutLoaded());
    QCOMPARE(Controls::txtSearch(m_main)->text(), QStringLiteral("ha"));
    QCOMPARE(m_main->termModel()->rowCount(), 2);
    QCOMPARE(Controls::List1(m_main)->currentIndex().row(), 1);
    QCOMPARE(Controls::Text1(m_main)->toPlainText(), QStringLiteral("hard disk.A storage device."));
    QCOMPARE(m_main->lookup().lastListIndex(), 1);
}

void TestWindowMoves::eachOpeningIsAFreshCentredWindow()
{
    clickAbout();
    QPointer<Form2> first = m_forms->form2();
    QTest::mousePress(Controls::CommandButton(first, 0), Qt::RightButton); // leave it pressed
    clickGoBack(first);
    QVERIFY(first.isNull());

    clickAbout();
    Form2* second = m_forms->form2();
    QVERIFY(second->isVisible());
    QCOMPARE(Controls::Shape(second, 0)->fillColor(), QColor(128, 128, 128));
    QCOMPARE(Controls::CommandButton(second, 0)->textColor(),
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
    LabelButton* goBack = Controls::CommandButton(about, 0);
    QTest::mousePress(goBack, button);
    QCOMPARE(Controls::Shape(about, 0)->fillColor(), QColor(255, 255, 255));
    QCOMPARE(goBack->textColor(), QColor(0, 0, 0));
    if (button != Qt::LeftButton) {
        QTest::mouseRelease(goBack, button);
        QCOMPARE(Controls::Shape(about, 0)->fillColor(), QColor(128, 128, 128));
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
    QVERIFY(!m_forms->aboutLoaded());
}

void TestWindowMoves::followerRunsWhileMainIsHidden()
{
    clickAbout();
    Controls::List1(m_main)->setCurrentIndex(m_main->termModel()->index(2));
    WAIT_COMPARE(Controls::Text1(m_main)->toPlainText(),
                 QStringLiteral("RAM.Random Access Memory."));
    QVERIFY(!m_main->isVisible());
}

void TestWindowMoves::aboutWindowTakesNoFocus()
{
    clickAbout();
    for (QWidget* child : m_forms->form2()->findChildren<QWidget*>())
        QCOMPARE(child->focusPolicy(), Qt::NoFocus);
}

void TestWindowMoves::pressActionsMoveBetweenWindows()
{
    const auto press = [](LabelButton* button) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(a->role(), QAccessible::Button);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press(Controls::CommandButton(m_main, Form1::About));
    WAIT_VERIFY(m_forms->aboutLoaded()); // the click runs from the event loop
    Form2* about = m_forms->form2();
    QVERIFY(about->isVisible());
    QVERIFY(!m_main->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(Controls::CommandButton(about, Form2::GoBack))
                 ->text(QAccessible::Name),
             QStringLiteral("Go Back"));
    press(Controls::CommandButton(about, Form2::GoBack));
    WAIT_VERIFY(m_main->isVisible());
    QVERIFY(!m_forms->aboutLoaded());
}

QTEST_MAIN(TestWindowMoves)
#include "tst_windowmoves.moc"
