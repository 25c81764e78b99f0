#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QKeySequence>

// The caption of a flat label button: centred text, transparent. A press of any mouse button
// reports mouseDown and its release mouseUp, for the pressed look; a left button released inside
// clicks. It takes no keyboard focus; assistive technology sees a push button.
class LabelButton : public QAbstractButton
{
    Q_OBJECT

public:
    LabelButton(const QString& caption, QWidget* parent);

    QColor textColor() const { return m_color; }
    void setTextColor(const QColor& color);
    // A key that clicks it at once whenever its window is active and no message box is up.
    // QAbstractButton's own shortcut would click only after showing the button down for 100 ms.
    void setWindowShortcut(const QKeySequence& key);
    // The key assistive technology announces for it: its shortcut, or a key handled elsewhere.
    void setKeyBinding(const QKeySequence& key) { m_keyBinding = key; }
    QKeySequence keyBinding() const { return m_keyBinding; }

signals:
    void mouseDown();
    void mouseUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QColor m_color;
    QKeySequence m_keyBinding;
};
