#include "clipboard/ClipboardText.h"

#include <QClipboard>

ClipboardText::ClipboardText(const QString& text) : m_text(text)
{
    setText(text);
}

void ClipboardText::putOn(QClipboard& clipboard)
{
    clipboard.setMimeData(this);
    m_onClipboard = true;
    m_sinceCopied.start();
}

qint64 ClipboardText::msecsSinceFetched() const
{
    return m_sinceFetched.isValid() ? m_sinceFetched.elapsed() : -1;
}

QVariant ClipboardText::retrieveData(const QString& mimeType, QMetaType type) const
{
    if (m_onClipboard && !m_sinceFetched.isValid()) {
        m_sinceFetched.start();
        emit fetched();
    }
    return QMimeData::retrieveData(mimeType, type);
}
