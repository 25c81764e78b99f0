#include "ui/PictureWindow.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>

PictureWindow::PictureWindow(const QString& picture, QSize clientSize, const QColor& backColor,
                             QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_picture(picture)
{
    setFixedSize(clientSize);
    QPalette p = palette();
    p.setColor(QPalette::Window, backColor);
    setPalette(p);
    setAutoFillBackground(true);
    setWindowIcon(programIcon());
}

QIcon PictureWindow::programIcon()
{
    return QIcon(QStringLiteral(":/pictures/icon.png"));
}

void PictureWindow::centreOnScreen()
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QRect available = s->availableGeometry();
    QRect r(QPoint(), size());
    r.moveCenter(available.center());
    // On a screen smaller than the window keep its top-left corner, and so its title bar, visible.
    move(std::max(r.left(), available.left()), std::max(r.top(), available.top()));
}

void PictureWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
