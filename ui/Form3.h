#pragma once

#include "ui/PictureWindow.h"

// The splash window, shown only while the dictionary loads.
class Form3 : public PictureWindow
{
    Q_OBJECT

public:
    Form3();

    // Shows the splash and paints it before returning: the load that follows holds the thread.
    void showAndDraw();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_drawnOnScreen = false;
};
