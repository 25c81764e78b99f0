#include "dictionary/DictionaryLoader.h"
#include "tools/import/DataFileWriter.h"
#include "tools/import/DictdDatabase.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <zlib.h>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray base64Number(qint64 n)
{
    static const char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray out;
    do {
        out.prepend(alphabet[n % 64]);
        n /= 64;
    } while (n > 0);
    return out;
}

// A dictd database in memory: articles appended to the data, one index line per headword.
struct Dictd
{
    QByteArray index, data;
    void add(const QList<QByteArray>& keys, const QByteArray& article)
    {
        for (const QByteArray& key : keys)
            index +=
                key + '\t' + base64Number(data.size()) + '\t' + base64Number(article.size()) + '\n';
        data += article;
    }
};

bool writeGzip(const QString& path, const QByteArray& bytes)
{
    gzFile file = gzopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    const bool ok = gzwrite(file, bytes.constData(), unsigned(bytes.size())) == bytes.size();
    return gzclose(file) == Z_OK && ok;
}

Dictd sample()
{
    Dictd d;
    d.add({"00-database-short"}, "00-database-short\n     A test dictionary\n");
    d.add({"00databaseinfo"}, "00databaseinfo\n  about\n");
    d.add({"tcp/ip", "tcpip"}, "TCP/IP\n\n   <protocol> The {Internet} protocol\n   suite.\n\n"
                               "   See also {IP}.\n\n");
    d.add({"daemon"}, "daemon\n\n   A background {process}.\n");
    d.add({".net", ".net framework"}, ".NET framework\n.NET\n\n   A platform.\n");
    d.add({"a.out"}, "a.out\n   Assembler output.\n");
    d.add({"node.js"}, "Node.js\n\n   JavaScript outside browsers.\n");
    d.add({"cafe"},
          "Caf\xc3\xa9 \xe2\x80\x9cq\xe2\x80\x9d\n   A place \xe2\x86\x92 here \xc4\x8d.\n");
    return d;
}

} // namespace

class TestDictdImport : public QObject
{
    Q_OBJECT

private slots:
    void articlesFromTheirFirstLine();
    void linesAndSummary();
    void roundTripThroughTheLoader();
    void readsGzipFromDisk();
    void badInput_data();
    void badInput();
    void failedWriteLeavesNoFile();
};

void TestDictdImport::articlesFromTheirFirstLine()
{
    const Dictd d = sample();
    const DictdDatabase::Result r = DictdDatabase::parse(d.index, "t.index", d.data, "t.dict");
    QVERIFY2(r.ok(), qPrintable(r.error));
    QStringList terms;
    for (const auto& a : r.articles)
        terms << a.term;
    QCOMPARE(terms, (QStringList{"TCP/IP", "daemon", ".NET framework", "a.out", "Node.js",
                                 QString::fromUtf8("Café “q”")}));
    QCOMPARE(r.articles[0].definition,
             QStringLiteral("<protocol> The Internet protocol suite. See also IP."));
    QCOMPARE(r.articles[2].definition, QStringLiteral("A platform."));
}

void TestDictdImport::linesAndSummary()
{
    const Dictd d = sample();
    const DictdDatabase::Result r = DictdDatabase::parse(d.index, "t.index", d.data, "t.dict");
    DataFileWriter::Summary summary;
    const QByteArray bytes = DataFileWriter::build({r.articles}, summary);
    QVERIFY(bytes.startsWith(DataFileWriter::LeadIn));
    const QList<QByteArray> lines = bytes.mid(2).split('\n');
    QCOMPARE(lines.size(), 7); // six entries and what follows the last CR LF
    QCOMPARE(lines[0], QByteArray(".NET framework.A platform.\r")); // sorted ignoring case
    QCOMPARE(lines[1], QByteArray("a.out.Assembler output.\r"));
    QCOMPARE(lines[2], QByteArray("Caf\xe9 \x93q\x94 n.A place ? here ?.\r"));
    QCOMPARE(lines[3], QByteArray("daemon n.A background process.\r"));
    QCOMPARE(lines[4], QByteArray("Node\xb7js n.JavaScript outside browsers.\r"));
    QCOMPARE(summary.entries, 6);
    QCOMPARE(summary.replacedCharacters, 2);
    QCOMPARE(summary.dottedExact, 2);
    QCOMPARE(summary.dottedRewritten, 1);
}

void TestDictdImport::roundTripThroughTheLoader()
{
    const Dictd d = sample();
    const DictdDatabase::Result r = DictdDatabase::parse(d.index, "t.index", d.data, "t.dict");
    Dictd other;
    other.add({"daemon"}, "Daemon\n   The other dictionary's daemon.\n");
    other.add({"lan"}, "LAN\n   Local Area Network.\n");
    const DictdDatabase::Result r2 =
        DictdDatabase::parse(other.index, "o.index", other.data, "o.dict");
    DataFileWriter::Summary summary;
    const QByteArray bytes = DataFileWriter::build({r.articles, r2.articles}, summary);
    const TermStore store = DictionaryLoader::parse(bytes);
    QCOMPARE(store.size(), 8);
    const QStringList expected{".NET framework", "a.out", QString::fromUtf8("Café “q”"), "daemon",
                               "Daemon",         "LAN",   QString::fromUtf8("Node·js"),  "TCP/IP"};
    for (qsizetype i = 0; i < store.size(); ++i) {
        QCOMPARE(store.term(i), expected[i]);
        QVERIFY(store.entry(i).startsWith(store.term(i)));
    }
    QCOMPARE(store.entry(3), QStringLiteral("daemon n.A background process."));
    QCOMPARE(store.entry(4), QStringLiteral("Daemon n.The other dictionary's daemon."));
}

void TestDictdImport::readsGzipFromDisk()
{
    QTemporaryDir dir;
    const Dictd d = sample();
    QVERIFY(writeFile(dir.filePath("s.index"), d.index));
    QVERIFY(writeGzip(dir.filePath("s.dict.dz"), d.data));
    const DictdDatabase::Result r = DictdDatabase::read(dir.filePath("s"));
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.articles.size(), 6);
}

void TestDictdImport::badInput_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("files");
    QTest::addColumn<QString>("error");

    const Dictd d = sample();
    QTest::newRow("missing index") << QByteArray() << d.data << "none"
                                   << "s.index";
    QTest::newRow("missing data") << d.index << QByteArray() << "index"
                                  << "s.dict";
    QTest::newRow("corrupt index line")
        << QByteArray(d.index + "broken line without tabs\n") << d.data << "both"
        << "s.index:11: not a dictd index line";
    QTest::newRow("bad base64") << QByteArray("x\tA!\tB\n") << d.data << "both"
                                << "s.index:1: not a dictd index line";
    QTest::newRow("offset past the end") << d.index << d.data.left(d.data.size() - 10) << "both"
                                         << "s.index:10: the article lies past the end";
    QTest::newRow("truncated gzip") << d.index << QByteArray() << "truncated"
                                    << "corrupt";
}

void TestDictdImport::badInput()
{
    QFETCH(QByteArray, index);
    QFETCH(QByteArray, data);
    QFETCH(QString, files);
    QFETCH(QString, error);

    QTemporaryDir dir;
    if (files != "none")
        QVERIFY(writeFile(dir.filePath("s.index"), files == "truncated" ? sample().index : index));
    if (files == "both")
        QVERIFY(writeGzip(dir.filePath("s.dict.dz"), data));
    if (files == "truncated") {
        QVERIFY(writeGzip(dir.filePath("s.dict.dz"), sample().data));
        QFile gz(dir.filePath("s.dict.dz"));
        QVERIFY(gz.open(QIODevice::ReadWrite));
        QVERIFY(gz.resize(gz.size() / 2));
    }
    const DictdDatabase::Result r = DictdDatabase::read(dir.filePath("s"));
    QVERIFY(!r.ok());
    QVERIFY2(r.error.contains(error), qPrintable(r.error));
}

void TestDictdImport::failedWriteLeavesNoFile()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("not-a-folder"), "x"));
    const QString path = dir.filePath("not-a-folder/data.dat");
    QString error;
    QVERIFY(!DataFileWriter::write(path, "##NEW n.x\r\n", error));
    QVERIFY2(error.contains(path), qPrintable(error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"not-a-folder"});
}

QTEST_GUILESS_MAIN(TestDictdImport)
#include "tst_dictdimport.moc"
