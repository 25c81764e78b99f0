#pragma once

#include <QList>
#include <QObject>
#include <QRect>

class LabelButton;
class ShapeWidget;
class QWidget;

// A window's label buttons: element i of CommandButton drawn over element i of Shape, with the
// pressed look on mouse-down and the released look on mouse-up.
class LabelButtonArray : public QObject
{
    Q_OBJECT

public:
    explicit LabelButtonArray(QWidget* window);

    void add(int index, const QString& caption, const QString& tooltip, const QRect& captionBox,
             const QRect& shapeBox);

    LabelButton* CommandButton(int index) const { return m_captions.value(index); }
    ShapeWidget* Shape(int index) const { return m_shapes.value(index); }

signals:
    void clicked(int index);

private:
    void CommandButton_MouseDown(int index);
    void CommandButton_MouseUp(int index);

    QWidget* m_window;
    QList<LabelButton*> m_captions;
    QList<ShapeWidget*> m_shapes;
};
