#include "tools/import/DictdDatabase.h"

#include "tools/import/TextCase.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <zlib.h>

namespace {

std::optional<qint64> decodeNumber(QByteArrayView digits)
{
    static const QByteArray alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (digits.isEmpty() || digits.size() > 10)
        return std::nullopt;
    qint64 value = 0;
    for (const char c : digits) {
        const qsizetype d = alphabet.indexOf(c);
        if (d < 0)
            return std::nullopt;
        value = value * 64 + d;
    }
    return value;
}

bool isMetaEntry(QByteArrayView key)
{
    return key.startsWith("00-database-") || key.startsWith("00database");
}

// Inflated here rather than through gzread, whose report of a stream cut short differs between
// zlib releases: a stream (or any of several) that ends before its trailer is an error.
std::optional<QByteArray> readGzip(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QByteArray in = file.readAll(), out;
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        error = QStringLiteral("%1: cannot inflate").arg(path);
        return std::nullopt;
    }
    stream.next_in = reinterpret_cast<Bytef*>(in.data());
    stream.avail_in = uInt(in.size());
    char chunk[1 << 16];
    int code = Z_OK;
    while (code == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        code = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, qsizetype(sizeof chunk - stream.avail_out));
        if (code == Z_STREAM_END && stream.avail_in > 0)
            code = inflateReset(&stream); // the next member
    }
    if (code != Z_STREAM_END)
        error = QStringLiteral("%1: corrupt or truncated gzip data (%2)")
                    .arg(path, QString::fromLatin1(stream.msg ? stream.msg : "unexpected end"));
    inflateEnd(&stream);
    return code == Z_STREAM_END ? std::optional<QByteArray>(out) : std::nullopt;
}

std::optional<QByteArray> readPlain(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace

QString DictdDatabase::flatten(QStringView text)
{
    QString out;
    out.reserve(text.size());
    bool space = false;
    for (const QChar c : text) {
        if (c == u'{' || c == u'}')
            continue;
        if (c.isSpace()) {
            space = !out.isEmpty();
            continue;
        }
        if (space)
            out += u' ';
        space = false;
        out += c;
    }
    return out;
}

DictdDatabase::Article DictdDatabase::articleOf(const QString& text)
{
    // Headword lines start the article unindented; the definition starts at the first blank or
    // indented line after them.
    const QStringList lines = text.split(u'\n');
    Article article;
    qsizetype k = 0;
    while (k < lines.size() && lines[k].trimmed().isEmpty())
        ++k;
    while (k < lines.size() && !lines[k].trimmed().isEmpty() &&
           (article.terms.isEmpty() || !lines[k].front().isSpace()))
        article.terms << lines[k++].simplified();
    QString definition = flatten(lines.mid(k).join(u'\n'));
    // The Jargon File writes an empty pronunciation as "//" before the part of speech.
    if (definition.startsWith(u"//"))
        definition = definition.mid(definition.startsWith(u"//, ") ? 4 : 2).trimmed();
    article.definition = definition;
    return article;
}

void DictdDatabase::addIndexKeys(Article& article, const QStringList& keys)
{
    QStringList& terms = article.terms;
    const auto spelled = [&terms](const QString& key) {
        return std::any_of(terms.cbegin(), terms.cend(), [&key](const QString& t) {
            return TextCase::equalIgnoringCase(t, key);
        });
    };
    for (const QString& key : keys) {
        if (spelled(key))
            continue;
        bool joined = false;
        for (qsizetype i = 0; i + 1 < terms.size() && !joined; ++i) {
            const QString both = terms[i] + u' ' + terms[i + 1];
            if (TextCase::equalIgnoringCase(both, key)) {
                terms[i] = both;
                terms.removeAt(i + 1);
                joined = true;
            }
        }
        if (!joined)
            terms << key;
    }
}

DictdDatabase::Result DictdDatabase::parse(const QByteArray& index, const QString& indexName,
                                           const QByteArray& data, const QString& dataName)
{
    Result result;
    // Several keys may share one article: the article is read once, in index order, with all of
    // its keys.
    QHash<qint64, qsizetype> articleAt;
    QList<QStringList> keys;
    const QList<QByteArray> lines = index.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QByteArray& line = lines[n];
        if (line.isEmpty() && n == lines.size() - 1)
            break;
        const QList<QByteArray> fields = line.split('\t');
        const qint64 offset = fields.size() >= 3 ? decodeNumber(fields[1]).value_or(-1) : -1;
        const qint64 length = fields.size() >= 3 ? decodeNumber(fields[2]).value_or(-1) : -1;
        if (offset < 0 || length < 0) {
            result.error = QStringLiteral("%1:%2: not a dictd index line (headword, offset, "
                                          "length separated by tabs)")
                               .arg(indexName)
                               .arg(n + 1);
            return result;
        }
        if (offset + length > data.size()) {
            result.error = QStringLiteral("%1:%2: the article lies past the end of %3 (%4 bytes)")
                               .arg(indexName)
                               .arg(n + 1)
                               .arg(dataName)
                               .arg(data.size());
            return result;
        }
        if (isMetaEntry(fields[0]))
            continue;
        const QString key = QString::fromUtf8(fields[0]).simplified();
        if (const auto known = articleAt.constFind(offset); known != articleAt.cend()) {
            if (*known >= 0)
                keys[*known] << key;
            continue;
        }
        Article article = articleOf(QString::fromUtf8(data.mid(offset, length)));
        if (article.terms.isEmpty()) {
            articleAt.insert(offset, -1);
            continue;
        }
        articleAt.insert(offset, result.articles.size());
        result.articles << article;
        keys << QStringList{key};
    }
    for (qsizetype i = 0; i < result.articles.size(); ++i)
        addIndexKeys(result.articles[i], keys[i]);
    return result;
}

DictdDatabase::Result DictdDatabase::read(const QString& basePath)
{
    Result result;
    const QString indexName = basePath + QStringLiteral(".index");
    const auto index = readPlain(indexName, result.error);
    if (!index)
        return result;
    QString dataName = basePath + QStringLiteral(".dict.dz");
    std::optional<QByteArray> data;
    if (QFile::exists(dataName)) {
        data = readGzip(dataName, result.error);
    } else {
        dataName = basePath + QStringLiteral(".dict");
        data = readPlain(dataName, result.error);
    }
    if (!data)
        return result;
    return parse(*index, indexName, *data, dataName);
}
