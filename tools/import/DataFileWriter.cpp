#include "tools/import/DataFileWriter.h"

#include "dictionary/TextRules.h"
#include "dictionary/Windows1252.h"

#include <QSaveFile>
#include <algorithm>

namespace {

QByteArray encode(QStringView text, qsizetype& replaced)
{
    const Windows1252& codec = Windows1252::instance();
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const auto byte = codec.fromChar(c);
        if (!byte || *byte == '\r' || *byte == '\n')
            ++replaced;
        out += char(byte && *byte != '\r' && *byte != '\n' ? *byte : '?');
    }
    return out;
}

// A dotted term reads back exactly when it is a head of at most two characters, one full stop,
// and a rest without spaces at its ends: the loader joins those two pieces.
bool survivesAsShortHead(const QString& term)
{
    const qsizetype dot = term.indexOf(u'.');
    if (dot > 2 || term.count(u'.') != 1)
        return false;
    const QStringView head = QStringView(term).left(dot);
    const QStringView rest = QStringView(term).mid(dot + 1);
    return TextRules::trimSpaces(head) == head && TextRules::trimSpaces(rest) == rest;
}

} // namespace

QByteArray DataFileWriter::line(const QString& term, const QString& definition, Summary& summary)
{
    QString text;
    if (!term.contains(u'.')) {
        // " n." keeps a term that itself ends in n: the loader drops exactly one final n.
        text = term + QStringLiteral(" n.") + definition;
    } else if (survivesAsShortHead(term)) {
        ++summary.dottedExact;
        text = term + u'.' + definition;
    } else {
        ++summary.dottedRewritten;
        text = QString(term).replace(u'.', QChar(0x00B7)) + QStringLiteral(" n.") + definition;
    }
    ++summary.entries;
    return encode(text, summary.replacedCharacters);
}

QByteArray DataFileWriter::build(const QList<QList<DictdDatabase::Article>>& sources,
                                 Summary& summary)
{
    struct Keyed
    {
        QString key;
        const DictdDatabase::Article* article;
    };
    std::vector<Keyed> all;
    for (const auto& source : sources) {
        for (const auto& article : source)
            all.push_back({TextRules::lower(article.term), &article});
    }
    std::stable_sort(all.begin(), all.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key < b.key; });

    QByteArray out = LeadIn;
    for (const Keyed& k : all)
        out += line(k.article->term, k.article->definition, summary) + "\r\n";
    return out;
}

bool DataFileWriter::write(const QString& path, const QByteArray& bytes, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
