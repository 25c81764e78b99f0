#pragma once

#include <QPixmap>
#include <QWidget>

// A window of fixed client size that draws a picture at its natural size from its top-left
// corner over its back colour.
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
    // Places the window's client area in the middle of the screen it is on.
    void centreOnScreen();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};
