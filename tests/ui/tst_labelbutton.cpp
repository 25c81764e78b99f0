#include "ui/LabelButton.h"
#include "ui/LabelButtonArray.h"
#include "ui/ShapeWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

void send(QWidget* target, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF pos(10, 5);
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestLabelButton : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mouseOnly();
    void pressedLookForEveryButton_data();
    void pressedLookForEveryButton();
    void doubleClickRunsOnce();
    void releaseOutsideDoesNotClick();
    void onlyTheCaptionTakesTheMouse();

private:
    QWidget* m_window = nullptr;
    LabelButtonArray* m_buttons = nullptr;
};

void TestLabelButton::init()
{
    m_window = new QWidget;
    m_window->resize(300, 100);
    m_buttons = new LabelButtonArray(m_window);
    m_buttons->add(0, "GO", QString(), QRect(10, 14, 89, 17), QRect(10, 10, 89, 25));
    m_buttons->add(3, "Copy Definition", "Copy the definition to the clipboard",
                   QRect(110, 14, 113, 17), QRect(110, 10, 113, 25));
    m_window->show();
}

void TestLabelButton::cleanup()
{
    delete m_window;
}

// Colours, fonts and tooltips at rest are in the windows' control-table check.
void TestLabelButton::mouseOnly()
{
    LabelButton* caption = m_buttons->CommandButton(3);
    QCOMPARE(caption->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(caption->focusPolicy(), Qt::NoFocus);
}

void TestLabelButton::pressedLookForEveryButton_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers() << 1;
    QTest::newRow("left with shift")
        << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1;
    QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers() << 0;
    QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ControlModifier) << 0;
}

void TestLabelButton::pressedLookForEveryButton()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, clicks);

    LabelButton* caption = m_buttons->CommandButton(0);
    ShapeWidget* shape = m_buttons->Shape(0);
    QSignalSpy spy(m_buttons, &LabelButtonArray::clicked);
    // What the click runs may open a modal box: the button must look released by then.
    QColor fillAtClick;
    connect(m_buttons, &LabelButtonArray::clicked, this, [&] { fillAtClick = shape->fillColor(); });
    QTest::mousePress(caption, button, modifiers, QPoint(20, 8));
    QCOMPARE(shape->fillColor(), QColor(255, 255, 255));
    QCOMPARE(caption->textColor(), QColor(0, 0, 0));
    QTest::mouseRelease(caption, button, modifiers, QPoint(20, 8));
    QCOMPARE(shape->fillColor(), QColor(128, 128, 128));
    QCOMPARE(caption->textColor(), QColor(255, 255, 255));
    QCOMPARE(spy.size(), clicks);
    if (clicks) {
        QCOMPARE(spy.first().first().toInt(), 0);
        QCOMPARE(fillAtClick, QColor(128, 128, 128));
    }
    QCOMPARE(m_buttons->Shape(3)->fillColor(), QColor(128, 128, 128)); // only its own element
}

void TestLabelButton::doubleClickRunsOnce()
{
    LabelButton* caption = m_buttons->CommandButton(0);
    QSignalSpy spy(m_buttons, &LabelButtonArray::clicked);
    send(caption, QEvent::MouseButtonPress, Qt::LeftButton);
    send(caption, QEvent::MouseButtonRelease, Qt::LeftButton);
    send(caption, QEvent::MouseButtonDblClick, Qt::LeftButton);
    QCOMPARE(m_buttons->Shape(0)->fillColor(), QColor(128, 128, 128)); // no pressed look
    send(caption, QEvent::MouseButtonRelease, Qt::LeftButton);
    QCOMPARE(spy.size(), 1);
}

void TestLabelButton::releaseOutsideDoesNotClick()
{
    LabelButton* caption = m_buttons->CommandButton(0);
    QSignalSpy spy(m_buttons, &LabelButtonArray::clicked);
    QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(20, 8));
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(20, 60));
    QCOMPARE(spy.size(), 0);
    QCOMPARE(m_buttons->Shape(0)->fillColor(), QColor(128, 128, 128));
}

void TestLabelButton::onlyTheCaptionTakesTheMouse()
{
    // The shape's strips above and below the caption box belong to the window beneath.
    QCOMPARE(m_window->childAt(20, 11), nullptr);
    QCOMPARE(m_window->childAt(20, 33), nullptr);
    QCOMPARE(m_window->childAt(20, 20), m_buttons->CommandButton(0));
}

QTEST_MAIN(TestLabelButton)
#include "tst_labelbutton.moc"
