#pragma once

#include "ui/PictureWindow.h"

class LabelButtonArray;
class WindowMoves;

// The About window: what the program is and who made it, and Go Back to the main window.
class Form2 : public PictureWindow
{
    Q_OBJECT

public:
    static inline const QString Title =
        QStringLiteral("About Quillary") + QString(31, u' ') + QStringLiteral("by Ostrevan.");
    static const QString AboutText;

    // The elements of the label button array.
    enum Button
    {
        GoBack = 0
    };

    explicit Form2(WindowMoves& moves);

    void CommandButton_Click(int index);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createLabels();

    LabelButtonArray* buttons;
    WindowMoves& m_moves;
};
