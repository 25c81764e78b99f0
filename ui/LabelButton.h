#pragma once

#include <QColor>
#include <QKeySequence>
#include <QWidget>

// The caption of a flat label button: centred text on a transparent background that reports
// mouse-down, mouse-up and click with its element index. It takes no keyboard focus; assistive
// technology sees it as a push button.
class LabelButton : public QWidget
{
    Q_OBJECT

public:
    LabelButton(int index, const QString& caption, QWidget* parent);

    QString text() const { return m_caption; }
    QColor textColor() const { return m_color; }
    void setTextColor(const QColor& color);
    // A click from the keyboard or assistive technology: the same click as the mouse's.
    void press() { emit clicked(m_index); }
    // A key that clicks it whenever its window is active, and no message box is up.
    void setShortcut(const QKeySequence& key);
    // The key assistive technology announces for it: its shortcut, or a key handled elsewhere.
    void setKeyBinding(const QKeySequence& key) { m_keyBinding = key; }
    QKeySequence keyBinding() const { return m_keyBinding; }

signals:
    void mouseDown(int index);
    void mouseUp(int index);
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int m_index;
    QString m_caption;
    QColor m_color;
    bool m_leftPressed = false;
    QKeySequence m_keyBinding;
};
