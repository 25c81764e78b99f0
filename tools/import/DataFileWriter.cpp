#include "tools/import/DataFileWriter.h"

#include "dictionary/TextRules.h"
#include "dictionary/Windows1252.h"
#include "tools/import/TextCase.h"

#include <QSaveFile>
#include <algorithm>
#include <span>

namespace {

// The plain Greek letter a character is written as: itself, or the letter under its accents
// (ό, ώ); 0 where it is none.
char16_t greekLetter(QChar c)
{
    QString base(c);
    while (base.front().decompositionTag() == QChar::Canonical)
        base = base.front().decomposition();
    const char16_t u = base.front().unicode();
    const bool capital = u >= 0x0391 && u <= 0x03A9 && u != 0x03A2;
    return capital || (u >= 0x03B1 && u <= 0x03C9) ? u : 0;
}

bool isGreekLetter(QChar c)
{
    return greekLetter(c) != 0;
}

// A Greek letter by its name where it stands alone (pi, epsilon), spelled in Latin letters inside
// a Greek word (kanon).
QByteArray greek(QStringView text, qsizetype at)
{
    static const char* const names[] = {
        "alpha", "beta",   "gamma",   "delta", "epsilon", "zeta",    "eta",  "theta", "iota",
        "kappa", "lambda", "mu",      "nu",    "xi",      "omicron", "pi",   "rho",   "sigma",
        "sigma", "tau",    "upsilon", "phi",   "chi",     "psi",     "omega"};
    static const char* const latin[] = {"a", "b", "g", "d",  "e",  "z",  "e", "th", "i",
                                        "k", "l", "m", "n",  "x",  "o",  "p", "r",  "s",
                                        "s", "t", "y", "ph", "ch", "ps", "o"};
    const char16_t u = greekLetter(text[at]);
    const bool capital = u < 0x03B1;
    const size_t letter = size_t(u - (capital ? 0x0391 : 0x03B1));
    const bool inWord = (at > 0 && isGreekLetter(text[at - 1])) ||
                        (at + 1 < text.size() && isGreekLetter(text[at + 1]));
    QByteArray form = inWord ? latin[letter] : names[letter];
    if (capital)
        form[0] = char(form[0] - 'a' + 'A');
    return form;
}

// What a reader knows for a character the code page lacks; empty where there is none. The tables
// drawn with box-drawing lines in some articles read better as ASCII lines.
QByteArray plainForm(QStringView text, qsizetype at)
{
    const QChar c = text[at];
    const char16_t u = c.unicode();
    if (isGreekLetter(c))
        return greek(text, at);
    if (u >= 0x2500 && u <= 0x257F) {
        static const QString horizontal =
            QStringLiteral("\u2500\u2501\u2504\u2505\u2508\u2509\u254C\u254D\u2550");
        static const QString vertical =
            QStringLiteral("\u2502\u2503\u2506\u2507\u250A\u250B\u254E\u254F\u2551");
        return horizontal.contains(c) ? "-" : vertical.contains(c) ? "|" : "+";
    }
    switch (u) {
    case 0x2190:
        return "<-";
    case 0x2192:
        return "->";
    case 0x21D4:
        return "<=>";
    case 0x2212:
        return "-";
    case 0x223C:
        return "~";
    case 0x2295:
        return "(+)";
    case 0x2297:
        return "(x)";
    case 0x25A1:
        return "*"; // a white square as a list's bullet
    case 0x3008:
        return "<";
    case 0x3009:
        return ">";
    default:
        return {};
    }
}

QByteArray encode(QStringView text, DataFileWriter::Summary& summary)
{
    const Windows1252& codec = Windows1252::instance();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const auto byte = codec.fromChar(text[at]);
        if (byte && *byte != '\r' && *byte != '\n') {
            out += char(*byte);
            continue;
        }
        const QByteArray plain = plainForm(text, at);
        ++(plain.isEmpty() ? summary.replacedCharacters : summary.plainForms);
        out += plain.isEmpty() ? QByteArray("?") : plain;
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

QString withoutFullStops(const QString& term)
{
    return survivesAsShortHead(term) ? term : QString(term).replace(u'.', QChar(0x00B7));
}

QString inWindows1252(const QString& text)
{
    const Windows1252& codec = Windows1252::instance();
    QString out = text;
    for (QChar& c : out) {
        if (!codec.fromChar(c))
            c = u'?';
    }
    return out;
}

struct Heading
{
    QString key;  // the written term, lower-cased
    QString term; // full stops rewritten, not yet encoded
    qsizetype source;
    const DictdDatabase::Article* article;
    bool alias;
};

// Counts a headword by how faithfully it is written: `shown` is it with its full stops as
// written, `written` that in Windows-1252.
void noteHeadword(const QString& headword, const QString& shown, const QString& written,
                  DataFileWriter::Summary& summary)
{
    if (shown != headword)
        summary.dottedRewritten << headword;
    else if (headword.contains(u'.'))
        ++summary.dottedExact;
    if (written != shown)
        summary.notWindows1252 << headword;
}

QString sense(const Heading& h)
{
    return h.alias ? QStringLiteral("(%1) %2").arg(h.article->terms.front(), h.article->definition)
                   : h.article->definition;
}

// Every article under one term: a single one as it is, several numbered with their source.
QString definitionOf(std::span<const Heading> headings,
                     const QList<DataFileWriter::Source>& sources)
{
    QList<const Heading*> senses;
    for (const Heading& h : headings) {
        if (std::none_of(senses.cbegin(), senses.cend(),
                         [&h](const Heading* s) { return s->article == h.article; }))
            senses << &h;
    }
    if (senses.size() == 1)
        return sense(*senses.front());
    QStringList parts;
    for (qsizetype i = 0; i < senses.size(); ++i)
        parts << QStringLiteral("[%1] %2: %3")
                     .arg(i + 1)
                     .arg(sources[senses[i]->source].name, sense(*senses[i]));
    return parts.join(u' ');
}

QByteArray line(const QString& term, const QString& definition, DataFileWriter::Summary& summary)
{
    // " n." keeps a term that itself ends in n: the loader drops exactly one final n. A dotted
    // term is a short head, read back up to its second full stop.
    const QString text =
        term.contains(u'.') ? term + u'.' + definition : term + QStringLiteral(" n.") + definition;
    return encode(text, summary);
}

} // namespace

QString DataFileWriter::writtenTerm(const QString& headword)
{
    return inWindows1252(withoutFullStops(headword));
}

QByteArray DataFileWriter::build(const QList<Source>& sources, Summary& summary)
{
    std::vector<Heading> headings;
    for (qsizetype s = 0; s < sources.size(); ++s) {
        for (const auto& article : sources[s].articles) {
            for (qsizetype t = 0; t < article.terms.size(); ++t) {
                const QString shown = withoutFullStops(article.terms[t]);
                const QString written = inWindows1252(shown);
                noteHeadword(article.terms[t], shown, written, summary);
                headings.push_back({TextCase::lower(written), shown, s, &article, t > 0});
                summary.aliases += t > 0 ? 1 : 0;
            }
        }
    }
    std::stable_sort(headings.begin(), headings.end(),
                     [](const Heading& a, const Heading& b) { return a.key < b.key; });

    QByteArray out = LeadIn;
    for (auto first = headings.cbegin(); first != headings.cend();) {
        const auto last = std::find_if(first, headings.cend(),
                                       [first](const Heading& h) { return h.key != first->key; });
        out += line(first->term, definitionOf(std::span(first, last), sources), summary);
        out += "\r\n";
        ++summary.entries;
        summary.merged += (last - first) - 1;
        first = last;
    }
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
