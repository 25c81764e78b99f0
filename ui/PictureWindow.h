#pragma once

#include <QImage>
#include <QWidget>

// A window of fixed client size that draws a picture at its natural size from its top-left
// corner over its back colour. The picture is a resource of raw pixels (unpack-picture).
class PictureWindow : public QWidget
{
    Q_OBJECT

public:
    // A title bar with minimize and close; no maximize, since the window has a fixed size.
    static constexpr Qt::WindowFlags FixedWindow =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
        Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

    PictureWindow(const QString& picture, QSize clientSize, const QColor& backColor,
                  QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    static QIcon programIcon(); // the icon of every window
    // A picture that unpack-picture made: its pixels as they lie in the program, copied only on a
    // big-endian machine; RGB32 for an opaque picture, ARGB32 for one with transparency.
    static QImage unpacked(const QString& picture, QImage::Format format);
    // Places the window's client area in the middle of the screen it is on.
    void centreOnScreen();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture; // raw pixels from the resources, read where they lie
};
