#pragma once

#include <QElapsedTimer>
#include <QMimeData>

class QClipboard;

// The text the program puts on the clipboard, which knows whether another program (a Wayland
// compositor keeping copies, a clipboard manager) has fetched it yet.
class ClipboardText : public QMimeData
{
    Q_OBJECT

public:
    explicit ClipboardText(const QString& text);

    // Hands itself to the clipboard: reads from then on are fetches (the clipboard reads it too as
    // it is set).
    void putOn(QClipboard& clipboard);

    // The text, read without counting as a fetch.
    const QString& copied() const { return m_text; }
    qint64 msecsSinceCopied() const { return m_sinceCopied.elapsed(); }
    // Milliseconds since it was first fetched, or -1 while nobody has.
    qint64 msecsSinceFetched() const;

signals:
    void fetched() const;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    QString m_text;
    QElapsedTimer m_sinceCopied;
    bool m_onClipboard = false;
    mutable QElapsedTimer m_sinceFetched;
};
