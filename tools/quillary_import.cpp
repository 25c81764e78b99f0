// quillary-import OUTPUT DATABASE...: writes the dictd DATABASEs (paths without .index) as one
// Quillary data.dat, one entry per term, the first database's definitions first.
#include "tools/import/DataFileWriter.h"
#include "tools/import/DictdDatabase.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

namespace {

// The name a merged entry gives each definition's source.
QString sourceName(const QString& basePath)
{
    const QString base = QFileInfo(basePath).fileName();
    if (base == u"foldoc")
        return QStringLiteral("FOLDOC");
    if (base == u"jargon")
        return QStringLiteral("Jargon");
    if (base == u"vera")
        return QStringLiteral("V.E.R.A.");
    return base;
}

void printHeadwords(const char* what, const QStringList& headwords)
{
    std::printf("headwords %s: %lld", what, qlonglong(headwords.size()));
    const QStringList examples = headwords.mid(0, 5);
    if (!examples.isEmpty())
        std::printf(" (e.g. %s)", qPrintable(examples.join(QStringLiteral(", "))));
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: quillary-import OUTPUT DATABASE...\n"
                             "  DATABASE is a dictd database without its extension, e.g.\n"
                             "  /usr/share/dictd/foldoc (reads foldoc.index and foldoc.dict.dz)\n");
        return 2;
    }
    QList<DataFileWriter::Source> sources;
    for (const QString& base : args.mid(1)) {
        DictdDatabase::Result result = DictdDatabase::read(base);
        if (!result.ok()) {
            std::fprintf(stderr, "quillary-import: %s\n", qPrintable(result.error));
            return 1;
        }
        std::printf("%s: %lld articles read\n", qPrintable(base),
                    qlonglong(result.articles.size()));
        sources << DataFileWriter::Source{sourceName(base), result.articles};
    }
    DataFileWriter::Summary summary;
    const QByteArray bytes = DataFileWriter::build(sources, summary);
    QString error;
    if (!DataFileWriter::write(args[0], bytes, error)) {
        std::fprintf(stderr, "quillary-import: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("aliases added: %lld\n"
                "terms merged into an entry of an equal term: %lld\n"
                "%s: %lld entries written\n"
                "headwords with a full stop kept exactly: %lld\n",
                qlonglong(summary.aliases), qlonglong(summary.merged), qPrintable(args[0]),
                qlonglong(summary.entries), qlonglong(summary.dottedExact));
    printHeadwords("with characters outside Windows-1252, written as '?'", summary.notWindows1252);
    printHeadwords("with a full stop the format cannot hold, written as a middle dot",
                   summary.dottedRewritten);
    std::printf("characters outside Windows-1252 written in a plain form (-> for an arrow, pi, "
                "box-drawing lines as -, | or +): %lld\n"
                "characters outside Windows-1252 written as '?': %lld\n",
                qlonglong(summary.plainForms), qlonglong(summary.replacedCharacters));
    return 0;
}
