#include "ui/LabelButton.h"

#include "ui/AccessibleLabelButton.h"
#include "ui/Labels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

LabelButton::LabelButton(int index, const QString& caption, QWidget* parent)
    : QWidget(parent), m_index(index), m_caption(caption),
      m_color(palette().color(QPalette::HighlightedText))
{
    setFont(Labels::arial(9.75, true));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    AccessibleLabelButton::install();
}

void LabelButton::setShortcut(const QKeySequence& key)
{
    auto* shortcut = new QShortcut(key, this, this, &LabelButton::press, Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    m_keyBinding = key;
}

void LabelButton::setTextColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void LabelButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(m_color);
    painter.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, m_caption);
}

void LabelButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    emit mouseDown(m_index);
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = event->button() == Qt::LeftButton && m_leftPressed &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_leftPressed = false;
    emit mouseUp(m_index);
    if (click)
        emit clicked(m_index);
}

void LabelButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click neither presses nor clicks.
    event->accept();
}
