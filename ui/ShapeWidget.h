#pragma once

#include <QColor>
#include <QWidget>

// A drawn rectangle or rounded rectangle with a solid border and an optional solid fill. It takes
// no mouse events: presses on it reach whatever lies beneath.
class ShapeWidget : public QWidget
{
    Q_OBJECT

public:
    enum class Kind
    {
        Rectangle,
        RoundedRectangle
    };

    ShapeWidget(Kind kind, const QColor& border, int borderWidth, QWidget* parent);

    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor& color); // an invalid colour means no fill

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
    QColor m_border;
    int m_borderWidth;
    QColor m_fill;
};
