#include "ui/Form3.h"

#include "ui/Labels.h"
#include "ui/ShapeWidget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWindow>

Form3::Form3()
    : PictureWindow(QStringLiteral(":/pictures/splash.argb32"), QSize(381, 266),
                    QPalette().color(QPalette::Button), nullptr,
                    Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
    const QColor buttonText = palette().color(QPalette::ButtonText);
    Labels::create(this, "Label1", QStringLiteral(" by Ostrevan"), QRect(24, 64, 153, 25),
                   Labels::font(QStringLiteral("MS Sans Serif"), 12), buttonText);
    Labels::create(this, "Label2",
                   QStringLiteral("A comprehensive dictionary of computer-related terms and "
                                  "abbreviations."),
                   QRect(24, 112, 329, 73), Labels::arial(14.25), buttonText, Qt::AlignHCenter,
                   true);
    Labels::create(this, "Label3", QStringLiteral("Including more than 10,000 terms !"),
                   QRect(24, 232, 345, 25), Labels::arial(12, true), QColor(128, 0, 0),
                   Qt::AlignHCenter);
    auto* frame = new ShapeWidget(ShapeWidget::Kind::Rectangle, QColor(64, 64, 64), 3, this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(1, 1, 379, 264);
    auto* loading = Labels::create(
        this, "Label4", QStringLiteral(" Loading ...."), QRect(112, 200, 153, 25),
        Labels::font(QStringLiteral("Verdana"), 14.25), QColor(128, 128, 128), Qt::AlignHCenter);
    loading->raise();
    centreOnScreen();
}

void Form3::showAndDraw()
{
    show();
    // Qt mostly answers the expose within show(); the events still queued can wait for the loop.
    if (m_drawnOnScreen)
        return;
    QCoreApplication::processEvents();
    // An X server maps a window a round trip later; until then nothing can be painted.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    // The expose may have been answered with a paint meanwhile; drawing twice costs time.
    if (!m_drawnOnScreen)
        repaint();
}

void Form3::paintEvent(QPaintEvent* event)
{
    PictureWindow::paintEvent(event);
    if (windowHandle() && windowHandle()->isExposed())
        m_drawnOnScreen = true;
}
