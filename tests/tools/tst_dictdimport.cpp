#include "dictionary/DictionaryLoader.h"
#include "lookup/TermIndex.h"
#include "tests/support/Fixture.h"
#include "tools/import/DataFileWriter.h"
#include "tools/import/DictdDatabase.h"
#include "tools/import/TextCase.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <zlib.h>

namespace {

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
    d.add({"system administration", "admin", "sysadmin"},
          "system administration\nadmin\nsysadmin\n\n   <job> Looking after\n   {computers}.\n");
    d.add({"tcp/ip", "tcpip"}, "TCP/IP\n\n   <protocol> The {Internet} protocol suite.\n");
    d.add({"daemon"}, "daemon\n\n   A background {process}.\n");
    d.add({"daemon"}, "daemon\n   A spirit.\n");
    d.add({"sysadmin"}, "sysadmin\n   A system administrator.\n");
    d.add({"ram"}, "Ram\n   A sheep.\n");
    d.add({".net", ".net framework"}, ".NET framework\n.NET\n\n   A platform.\n");
    d.add({"asp.net"}, "ASP.NET\n   Active Server Pages for .NET.\n");
    d.add({"a.out"}, "a.out\n   Assembler output.\n");
    d.add({"language for investigation of abstractions", "lia"},
          "Language for Investigation of\nAbstractions\nLIA\n\n   A system.\n");
    d.add({"1tbs"}, "1TBS\n //, n.\n\n    The One True Brace Style.\n");
    d.add({"caf\xc3\xa9 \xe2\x80\x9cq\xe2\x80\x9d \xc4\x8d"},
          "Caf\xc3\xa9 \xe2\x80\x9cq\xe2\x80\x9d \xc4\x8d\n   A place \xe2\x86\x92 here "
          "\xe2\x94\x80\xe2\x94\x82\xe2\x94\xbc, \xcf\x80 \xce\x9a\xce\xb1\xce\xbd\xce\xbf\xce\xbd "
          "\xe2\x88\x85.\n");
    return d;
}

Dictd other()
{
    Dictd d;
    d.add({"ram"}, "RAM\n   Random Access Memory.\n");
    d.add({"daemon"}, "Daemon\n   The other dictionary's daemon.\n");
    d.add({"lan"}, "LAN\n   Local Area Network.\n");
    d.add({"wan", "wide area network of computers"},
          "wan\nWAN\nWide Area Network of\ncomputers\n\n   A network.\n");
    return d;
}

DataFileWriter::Source parsed(const Dictd& d, const QString& name)
{
    const DictdDatabase::Result r = DictdDatabase::parse(d.index, name, d.data, name);
    return {name, r.articles};
}

} // namespace

class TestDictdImport : public QObject
{
    Q_OBJECT

private slots:
    void headwordsOfEachArticle();
    void linesAndSummary();
    void greekLetters_data();
    void greekLetters();
    void roundTripThroughTheLoader_data();
    void roundTripThroughTheLoader();
    void readsGzipFromDisk();
    void badInput_data();
    void badInput();
    void failedWriteLeavesNoFile();
};

void TestDictdImport::headwordsOfEachArticle()
{
    const Dictd d = sample();
    const DictdDatabase::Result r = DictdDatabase::parse(d.index, "t.index", d.data, "t.dict");
    QVERIFY2(r.ok(), qPrintable(r.error));
    QList<QStringList> terms;
    for (const auto& a : r.articles)
        terms << a.terms;
    const QList<QStringList> expected{{"system administration", "admin", "sysadmin"},
                                      {"TCP/IP", "tcpip"},
                                      {"daemon"},
                                      {"daemon"},
                                      {"sysadmin"},
                                      {"Ram"},
                                      {".NET framework", ".NET"},
                                      {"ASP.NET"},
                                      {"a.out"},
                                      {"Language for Investigation of Abstractions", "LIA"},
                                      {"1TBS"},
                                      {QString::fromUtf8("Café “q” č")}};
    QCOMPARE(terms, expected);
    QCOMPARE(r.articles[0].definition, QStringLiteral("<job> Looking after computers."));
    QCOMPARE(r.articles[10].definition, QStringLiteral("n. The One True Brace Style."));
}

void TestDictdImport::linesAndSummary()
{
    DataFileWriter::Summary summary;
    const QByteArray bytes =
        DataFileWriter::build({parsed(sample(), "One"), parsed(other(), "Two")}, summary);
    QVERIFY(bytes.startsWith(DataFileWriter::LeadIn + ".NET.(.NET framework) A platform.\r\n"));
    QVERIFY(bytes.contains("\r\nCaf\xe9 \x93q\x94 ? n.A place -> here -|+, pi Kanon ?.\r\n"));
    QVERIFY(bytes.contains("\r\ntcpip n.(TCP/IP) <protocol> The Internet protocol suite.\r\n"));
    QVERIFY(bytes.endsWith("\r\nWide Area Network of computers n.(wan) A network.\r\n"));
    QCOMPARE(summary.entries, 18);
    QCOMPARE(summary.aliases, 7); // admin, sysadmin, tcpip, .NET, LIA, WAN, Wide Area Network ...
    QCOMPARE(summary.merged, 5);  // sysadmin, daemon twice, RAM, WAN
    QCOMPARE(summary.replacedCharacters, 2); // the headword's c with caron, the empty set
    QCOMPARE(summary.plainForms, 10);        // ->, -|+, pi, Kanon
    QCOMPARE(summary.dottedExact, 3);        // .NET framework, .NET, a.out
    QCOMPARE(summary.dottedRewritten, QStringList{"ASP.NET"});
    QCOMPARE(summary.notWindows1252, QStringList{QString::fromUtf8("Café “q” č")});
}

void TestDictdImport::greekLetters_data()
{
    QTest::addColumn<QString>("greek");
    QTest::addColumn<QByteArray>("written");
    const auto row = [](const char* name, const char* greek, const char* written) {
        QTest::newRow(name) << QString::fromUtf8(greek) << QByteArray(written);
    };
    row("first small", "\xce\xb1", "alpha");
    row("last small", "\xcf\x89", "omega");
    row("first capital", "\xce\x91", "Alpha");
    row("last capital", "\xce\xa9", "Omega");
    row("final sigma", "\xcf\x82", "sigma");
    row("accented, alone", "\xce\xac", "alpha");
    row("accented, in words",
        "\xce\xbb\xcf\x8c\xce\xb3\xce\xbf\xcf\x82 "
        "\xce\xba\xce\xb1\xce\xbd\xcf\x8e\xce\xbd",
        "logos kanon");
    row("two accents", "\xce\x90", "iota");
}

void TestDictdImport::greekLetters()
{
    QFETCH(QString, greek);
    QFETCH(QByteArray, written);
    Dictd d;
    d.add({"word"}, "word\n   Say " + greek.toUtf8() + " here.\n");
    DataFileWriter::Summary summary;
    const QByteArray bytes = DataFileWriter::build({parsed(d, "One")}, summary);
    QVERIFY2(bytes.contains("n.Say " + written + " here.\r\n"), bytes.constData());
    QCOMPARE(summary.replacedCharacters, 0);
}

void TestDictdImport::roundTripThroughTheLoader_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QString>("entry");

    const auto row = [](const char* headword, const char* entry) {
        QTest::newRow(headword) << QString::fromUtf8(headword) << QString::fromUtf8(entry);
    };
    row("system administration", "system administration n.<job> Looking after computers.");
    row("admin", "admin n.(system administration) <job> Looking after computers.");
    row("sysadmin", "sysadmin n.[1] One: (system administration) <job> Looking after computers. "
                    "[2] One: A system administrator.");
    row("tcpip", "tcpip n.(TCP/IP) <protocol> The Internet protocol suite.");
    row("DAEMON", "daemon n.[1] One: A background process. [2] One: A spirit. "
                  "[3] Two: The other dictionary's daemon.");
    row("RAM", "Ram n.[1] One: A sheep. [2] Two: Random Access Memory.");
    row(".net", ".NET.(.NET framework) A platform.");
    row(".net framework", ".NET framework.A platform.");
    row("asp·net", "ASP·NET n.Active Server Pages for .NET.");
    row("a.out", "a.out.Assembler output.");
    row("language for investigation of abstractions",
        "Language for Investigation of Abstractions n.A system.");
    row("lia", "LIA n.(Language for Investigation of Abstractions) A system.");
    row("1tbs", "1TBS n.n. The One True Brace Style.");
    row("caf\xc3\xa9 \xe2\x80\x9cq\xe2\x80\x9d ?",
        "Caf\xc3\xa9 \xe2\x80\x9cq\xe2\x80\x9d ? n.A place -> here -|+, pi Kanon ?.");
    row("lan", "LAN n.Local Area Network.");
    // One article under two spellings of one term is written once.
    row("WAN", "wan n.A network.");
    // A headword wrapped over the article's last two headword lines is joined.
    row("wide area network of computers", "Wide Area Network of computers n.(wan) A network.");
}

void TestDictdImport::roundTripThroughTheLoader()
{
    QFETCH(QString, headword);
    QFETCH(QString, entry);

    const QList<DataFileWriter::Source> sources{parsed(sample(), "One"), parsed(other(), "Two")};
    DataFileWriter::Summary summary;
    const TermStore store = DictionaryLoader::parse(DataFileWriter::build(sources, summary)).store;
    QSet<QString> seen;
    for (qsizetype i = 0; i < store.size(); ++i)
        QVERIFY2(!seen.contains(TextCase::lower(store.term(i))), qPrintable(store.term(i)));
    const TermIndex index(store);
    for (const auto& source : sources) {
        for (const auto& article : source.articles) {
            for (const QString& term : article.terms)
                QVERIFY2(index.firstEqual(DataFileWriter::writtenTerm(term)) >= 0,
                         qPrintable(term));
        }
    }
    const qsizetype found = index.firstEqual(headword);
    QVERIFY(found >= 0);
    QCOMPARE(store.entry(found), entry);
}

void TestDictdImport::readsGzipFromDisk()
{
    QTemporaryDir dir;
    const Dictd d = sample();
    QVERIFY(Fixture::writeFile(dir.filePath("s.index"), d.index));
    QVERIFY(writeGzip(dir.filePath("s.dict.dz"), d.data));
    const DictdDatabase::Result r = DictdDatabase::read(dir.filePath("s"));
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.articles.size(), 12);
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
        << "s.index:20: not a dictd index line";
    QTest::newRow("bad base64") << QByteArray("x\tA!\tB\n") << d.data << "both"
                                << "s.index:1: not a dictd index line";
    QTest::newRow("offset past the end") << d.index << d.data.left(d.data.size() - 10) << "both"
                                         << "s.index:19: the article lies past the end";
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
        QVERIFY(Fixture::writeFile(dir.filePath("s.index"),
                                   files == "truncated" ? sample().index : index));
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
    QVERIFY(Fixture::writeFile(dir.filePath("not-a-folder"), "x"));
    const QString path = dir.filePath("not-a-folder/data.dat");
    QString error;
    QVERIFY(!DataFileWriter::write(path, "##NEW n.x\r\n", error));
    QVERIFY2(error.contains(path), qPrintable(error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"not-a-folder"});
}

QTEST_GUILESS_MAIN(TestDictdImport)
#include "tst_dictdimport.moc"
