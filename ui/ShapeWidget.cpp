#include "ui/ShapeWidget.h"

#include <QPainter>

ShapeWidget::ShapeWidget(Kind kind, const QColor& border, int borderWidth, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_border(border), m_borderWidth(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeWidget::setFillColor(const QColor& color)
{
    if (color == m_fill)
        return;
    m_fill = color;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The border lies inside the shape's box, as the box is given for the whole shape.
    const qreal half = m_borderWidth / 2.0;
    const QRectF box = QRectF(rect()).adjusted(half, half, -half, -half);
    painter.setPen(QPen(m_border, m_borderWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    if (m_kind == Kind::RoundedRectangle) {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal radius = std::min(box.width(), box.height()) / 4.0;
        painter.drawRoundedRect(box, radius, radius);
    } else {
        painter.drawRect(box);
    }
}
