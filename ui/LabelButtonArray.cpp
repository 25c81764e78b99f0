#include "ui/LabelButtonArray.h"

#include "ui/Accessibility.h"
#include "ui/Colors.h"
#include "ui/LabelButton.h"
#include "ui/ShapeWidget.h"

#include <QWidget>

using namespace Colors;

LabelButtonArray::LabelButtonArray(QWidget* window) : QObject(window), m_window(window)
{
    Accessibility::install(); // else a tool would be handed Qt's own for a QAbstractButton
}

void LabelButtonArray::add(int index, const QString& caption, const QString& tooltip,
                           const QRect& captionBox, const QRect& shapeBox)
{
    auto* shape = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, Black, 1, m_window);
    // Element names as the window's control arrays spell them; the panel's frame is "Shape1".
    shape->setObjectName(QStringLiteral("Shape(%1)").arg(index));
    shape->setGeometry(shapeBox);
    shape->setFillColor(Grey);

    auto* button = new LabelButton(caption, m_window);
    button->setObjectName(QStringLiteral("CommandButton(%1)").arg(index));
    button->setGeometry(captionBox);
    button->setToolTip(tooltip);
    button->raise();

    if (m_captions.size() <= index) {
        m_captions.resize(index + 1);
        m_shapes.resize(index + 1);
    }
    m_captions[index] = button;
    m_shapes[index] = shape;

    connect(button, &LabelButton::mouseDown, this,
            [this, index] { CommandButton_MouseDown(index); });
    connect(button, &LabelButton::mouseUp, this, [this, index] { CommandButton_MouseUp(index); });
    connect(button, &QAbstractButton::clicked, this, [this, index] { emit clicked(index); });
}

void LabelButtonArray::CommandButton_MouseDown(int index)
{
    m_shapes[index]->setFillColor(White);
    m_captions[index]->setTextColor(Black);
}

void LabelButtonArray::CommandButton_MouseUp(int index)
{
    m_shapes[index]->setFillColor(Grey);
    m_captions[index]->setTextColor(White);
}
