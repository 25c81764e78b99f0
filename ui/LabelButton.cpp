#include "ui/LabelButton.h"

#include "ui/Labels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

LabelButton::LabelButton(const QString& caption, QWidget* parent)
    : QAbstractButton(parent), m_color(palette().color(QPalette::HighlightedText))
{
    setText(caption);
    setFont(Labels::arial(9.75, true));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
}

void LabelButton::setWindowShortcut(const QKeySequence& key)
{
    auto* shortcut = new QShortcut(key, this, this, &QAbstractButton::click, Qt::WindowShortcut);
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
    painter.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text());
}

void LabelButton::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown();
    QAbstractButton::mousePressEvent(event);
    event->accept(); // a press of any button: its release must come back here
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp();
    QAbstractButton::mouseReleaseEvent(event); // clicks where the left button is let go inside
    event->accept();
}

void LabelButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click neither presses nor clicks.
    event->accept();
}
