#include "ui/PictureWindow.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QResource>
#include <QScreen>
#include <QSysInfo>
#include <QtEndian>

PictureWindow::PictureWindow(const QString& picture, QSize clientSize, const QColor& backColor,
                             QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_picture(unpacked(picture, QImage::Format_RGB32))
{
    setFixedSize(clientSize);
    QPalette p = palette();
    p.setColor(QPalette::Window, backColor);
    setPalette(p);
    setAutoFillBackground(true);
    setWindowIcon(programIcon());
}

QImage PictureWindow::unpacked(const QString& picture, QImage::Format format)
{
    const QResource resource(picture);
    const uchar* data = resource.data();
    if (!data || resource.size() < 8)
        return {};
    const int width = int(qFromLittleEndian<quint32>(data));
    const int height = int(qFromLittleEndian<quint32>(data + 4));
    if (resource.size() < 8 + qint64(width) * height * 4)
        return {};
    const uchar* pixels = data + 8;
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian)
        return QImage(pixels, width, height, width * 4, format);
    QImage copy(width, height, format);
    qFromLittleEndian<quint32>(pixels, qsizetype(width) * height, copy.bits());
    return copy;
}

QIcon PictureWindow::programIcon()
{
    return QIcon(QPixmap::fromImage(
        unpacked(QStringLiteral(":/pictures/icon.argb32"), QImage::Format_ARGB32)));
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
    painter.drawImage(0, 0, m_picture);
}
