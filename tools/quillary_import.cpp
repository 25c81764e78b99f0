// quillary-import OUTPUT DATABASE...: writes the dictd DATABASEs (paths without .index) as a
// Quillary data.dat, the first database first on equal terms.
#include "tools/import/DataFileWriter.h"
#include "tools/import/DictdDatabase.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

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
    QList<QList<DictdDatabase::Article>> sources;
    for (const QString& base : args.mid(1)) {
        DictdDatabase::Result result = DictdDatabase::read(base);
        if (!result.ok()) {
            std::fprintf(stderr, "quillary-import: %s\n", qPrintable(result.error));
            return 1;
        }
        std::printf("%s: %lld articles\n", qPrintable(base), qlonglong(result.articles.size()));
        sources << result.articles;
    }
    DataFileWriter::Summary summary;
    const QByteArray bytes = DataFileWriter::build(sources, summary);
    QString error;
    if (!DataFileWriter::write(args[0], bytes, error)) {
        std::fprintf(stderr, "quillary-import: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s: %lld entries written\n"
                "characters outside Windows-1252, written as '?': %lld\n"
                "terms with a full stop kept exactly: %lld\n"
                "terms with a full stop written with a middle dot: %lld\n",
                qPrintable(args[0]), qlonglong(summary.entries),
                qlonglong(summary.replacedCharacters), qlonglong(summary.dottedExact),
                qlonglong(summary.dottedRewritten));
    return 0;
}
