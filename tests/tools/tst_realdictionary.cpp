// The dictionary that `make data` imports from Debian's packages: one entry per term ignoring
// case, and every headword of the three databases found by the term index.
#include "dictionary/DictionaryLoader.h"
#include "lookup/TermIndex.h"
#include "tools/import/DataFileWriter.h"
#include "tools/import/DictdDatabase.h"
#include "tools/import/TextCase.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestRealDictionary : public QObject
{
    Q_OBJECT

private slots:
    void everyHeadwordIsOneFindableTerm();
    void readmeExamplesAreFound();

private:
    static bool imported();
};

bool TestRealDictionary::imported()
{
    QFile source(qEnvironmentVariable("QUILLARY_DATA") + ".source");
    return source.open(QIODevice::ReadOnly) && source.readAll().trimmed() == "imported";
}

void TestRealDictionary::everyHeadwordIsOneFindableTerm()
{
    const QString dataPath = qEnvironmentVariable("QUILLARY_DATA");
    const QStringList databases{"/usr/share/dictd/foldoc", "/usr/share/dictd/jargon",
                                "/usr/share/dictd/vera"};
    for (const QString& db : databases) {
        if (!QFile::exists(db + ".index"))
            QSKIP(qPrintable(db + " is not installed"));
    }
    if (!imported())
        QSKIP("the dictionary was not imported (run make data)");

    DictionaryLoader::Result loaded = DictionaryLoader::loadFile(dataPath);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    const TermStore& store = loaded.store;
    QSet<QString> seen;
    for (qsizetype i = 0; i < store.size(); ++i) {
        const QString key = TextCase::lower(store.term(i));
        QVERIFY2(!seen.contains(key), qPrintable(store.term(i)));
        seen.insert(key);
    }

    const TermIndex index(store);
    qsizetype headwords = 0;
    qsizetype dotted = 0;
    constexpr QChar MiddleDot(0x00B7);
    for (const QString& db : databases) {
        const DictdDatabase::Result r = DictdDatabase::read(db);
        QVERIFY2(r.ok(), qPrintable(r.error));
        for (const auto& article : r.articles) {
            for (const QString& term : article.terms) {
                ++headwords;
                const QString written = DataFileWriter::writtenTerm(term);
                QVERIFY2(index.firstEqual(written) >= 0, qPrintable(db + ": " + term));
                // Written with middle dots, such a term is still found as the user types it.
                if (written.contains(MiddleDot) &&
                    QString(written).replace(MiddleDot, u'.') == term) {
                    ++dotted;
                    QVERIFY2(index.firstEqual(term, TermIndex::Equality::IgnoringCaseAndDots) >= 0,
                             qPrintable(db + ": " + term));
                }
            }
        }
    }
    qInfo("%lld headwords found among %lld terms, %lld of them typed with full stops",
          qlonglong(headwords), qlonglong(store.size()), qlonglong(dotted));
    QVERIFY(dotted > 0);
}

// Every "`typed` finds `Term`" of the README, as GO finds it: the exact term ignoring case first,
// then one that differs in its dots.
void TestRealDictionary::readmeExamplesAreFound()
{
    if (!imported())
        QSKIP("the dictionary was not imported (run make data)");
    QFile readme(QStringLiteral(QUILLARY_SOURCE_DIR "/README.md"));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll()).replace(u'\n', u' ');
    DictionaryLoader::Result loaded =
        DictionaryLoader::loadFile(qEnvironmentVariable("QUILLARY_DATA"));
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    const TermIndex index(loaded.store);
    int examples = 0;
    static const QRegularExpression finds(QStringLiteral("`([^`]+)`\\s+finds\\s+`([^`]+)`"));
    for (const QRegularExpressionMatch& m : finds.globalMatch(text)) {
        qsizetype i = index.firstEqual(m.captured(1));
        if (i < 0)
            i = index.firstEqual(m.captured(1), TermIndex::Equality::IgnoringCaseAndDots);
        QVERIFY2(i >= 0, qPrintable(m.captured(0)));
        QCOMPARE(loaded.store.term(i), m.captured(2));
        ++examples;
    }
    QVERIFY(examples >= 4);
}

QTEST_GUILESS_MAIN(TestRealDictionary)
#include "tst_realdictionary.moc"
