#include "dictionary/DictionaryLoader.h"
#include "tests/support/Fixture.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/mman.h>

namespace {

QStringList termsOf(const TermStore& store)
{
    QStringList out;
    for (qsizetype i = 0; i < store.size(); ++i)
        out << store.term(i);
    return out;
}

QStringList entriesOf(const TermStore& store)
{
    QStringList out;
    for (qsizetype i = 0; i < store.size(); ++i)
        out << store.entry(i);
    return out;
}

// A pipe, or a file that grows while it is read: it never ends. The bytes it hands out are never
// written, so the memory they go to is only reserved.
class EndlessDevice : public QIODevice
{
public:
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64 max) override { return max; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

// A device that hands out some bytes and then fails, as a disk read error would.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(QByteArray before) : m_before(std::move(before)) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 max) override
    {
        if (m_sent == m_before.size()) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 n = std::min<qint64>(max, m_before.size() - m_sent);
        memcpy(data, m_before.constData() + m_sent, size_t(n));
        m_sent += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_before;
    qint64 m_sent = 0;
};

} // namespace

class TestDictionaryLoader : public QObject
{
    Q_OBJECT

private slots:
    void lineRules_data();
    void lineRules();
    void lineEndAtEveryPosition_data();
    void lineEndAtEveryPosition();
    void longLineAndNulBytes();
    void duplicatesKeepFileOrder();
    void readsFileFromDisk();
    void missingFileIsAnErrorNamingIt();
    void fileTooLargeForTheStoreIsAnError();
    void readErrorMidFileIsReported();
};

void TestDictionaryLoader::lineRules_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("terms");
    QTest::addColumn<QStringList>("entries");

    const QStringList none;
    QTest::newRow("empty file") << QByteArray() << none << none;
    QTest::newRow("spaces only") << QByteArray("   \r\n \r\n     ") << none << none;
    QTest::newRow("lead-in dropped from the first line only")
        << QByteArray("@@ROUTER.A device.\r\nHUB.Another.\r\n") << QStringList{"ROUTER", "HUB"}
        << QStringList{"ROUTER.A device.", "HUB.Another."};
    QTest::newRow("blank lines ahead of the lead-in")
        << QByteArray("\r\n   \r\n@@ABC.def\r\n\r\n  \r\nGHI.jkl\r\n   ")
        << QStringList{"ABC", "GHI"} << QStringList{"ABC.def", "GHI.jkl"};
    QTest::newRow("lead-in alone on its line")
        << QByteArray("@@\r\nABC.def\r\n") << QStringList{"ABC"} << QStringList{"ABC.def"};
    QTest::newRow("a tab line is an entry")
        << QByteArray("@@ABC.d\r\n\t\r\n") << QStringList{"ABC", "\t"}
        << QStringList{"ABC.d", "\t"};
    QTest::newRow("entry text keeps its spaces")
        << QByteArray("@@ABC.d\r\n  DEF .e  \r\n") << QStringList{"ABC", "DEF"}
        << QStringList{"ABC.d", "  DEF .e  "};
    // A term is kept as its start within the line, in 7 bits, and its length: one that starts
    // further in is kept apart.
    QTest::newRow("term 127 characters into its line")
        << QByteArray("@@ABC.d\r\n" + QByteArray(127, ' ') + "DEF n.e\n")
        << QStringList{"ABC", "DEF"} << QStringList{"ABC.d", QString(127, ' ') + "DEF n.e"};
    QTest::newRow("term 128 characters into its line")
        << QByteArray("@@ABC.d\r\n" + QByteArray(128, ' ') + "DEF n.e\rGHI.j")
        << QStringList{"ABC", "DEF", "GHI"}
        << QStringList{"ABC.d", QString(128, ' ') + "DEF n.e", "GHI.j"};
    // Its length is kept in 24 bits: a longer term is kept apart too.
    const QByteArray longest(1 << 24, 'x');
    QTest::newRow("term longer than its length field")
        << QByteArray("@@" + longest + " n.e\r\nGHI.j") << QStringList{QString(1 << 24, 'x'), "GHI"}
        << QStringList{QString(1 << 24, 'x') + " n.e", "GHI.j"};
    QTest::newRow("term, space and n") << QByteArray("@@router n.A device") << QStringList{"router"}
                                       << QStringList{"router n.A device"};
    QTest::newRow("final n removed once")
        << QByteArray("@@daemonn.x\r\nfilen.y\r\ninnn.z") << QStringList{"daemon", "file", "inn"}
        << QStringList{"daemonn.x", "filen.y", "innn.z"};
    QTest::newRow("capital N kept")
        << QByteArray("@@LAN.x") << QStringList{"LAN"} << QStringList{"LAN.x"};
    QTest::newRow("n followed by a space kept")
        << QByteArray("@@run .x") << QStringList{"run"} << QStringList{"run .x"};
    QTest::newRow("three-character head is long")
        << QByteArray("@@abn.x.y") << QStringList{"ab"} << QStringList{"abn.x.y"};
    QTest::newRow("two-character head joins the second piece")
        << QByteArray("@@IP. Internet Protocol .more.text") << QStringList{"IP.Internet Protocol"}
        << QStringList{"IP. Internet Protocol .more.text"};
    QTest::newRow("short head keeps its n")
        << QByteArray("@@in.x") << QStringList{"in.x"} << QStringList{"in.x"};
    QTest::newRow("spaces count in the head's length")
        << QByteArray("@@ C . D\r\nC . D ") << QStringList{"C", "C.D"}
        << QStringList{" C . D", "C . D "};
    QTest::newRow("adjacent full stops")
        << QByteArray("@@ab..x") << QStringList{"ab."} << QStringList{"ab..x"};
    QTest::newRow("empty head") << QByteArray("@@.NET.framework") << QStringList{".NET"}
                                << QStringList{".NET.framework"};
    QTest::newRow("long line without a full stop")
        << QByteArray("@@ hello worldn") << QStringList{"hello world"}
        << QStringList{" hello worldn"};
    QTest::newRow("short line without a full stop")
        << QByteArray("@@ab\r\n c\r\n") << QStringList{"ab", "c"} << QStringList{"ab", " c"};
    QTest::newRow("CR alone ends a line")
        << QByteArray("@@AAA.1\rBBB.2\r") << QStringList{"AAA", "BBB"}
        << QStringList{"AAA.1", "BBB.2"};
    QTest::newRow("LF alone ends a line")
        << QByteArray("@@AAA.1\nBBB.2\n") << QStringList{"AAA", "BBB"}
        << QStringList{"AAA.1", "BBB.2"};
    QTest::newRow("LF CR is two line ends")
        << QByteArray("@@AAA.1\n\rBBB.2") << QStringList{"AAA", "BBB"}
        << QStringList{"AAA.1", "BBB.2"};
    QTest::newRow("last line without terminator")
        << QByteArray("@@AAA.1\r\nBBB.2") << QStringList{"AAA", "BBB"}
        << QStringList{"AAA.1", "BBB.2"};
    QTest::newRow("Windows-1252 bytes")
        << QByteArray("@@Caf\xe9.x\r\n\x80uro.\x93q\x94\r\n\x81\x8d\x8f.z\r\n\x9f\xff\xa0.")
        << QStringList{QString::fromUtf8("Café"), QString::fromUtf8("€uro"),
                       QString::fromUtf16(u"\u0081\u008d\u008f"),
                       QString::fromUtf16(u"\u0178\u00ff\u00a0")}
        << QStringList{QString::fromUtf8("Café.x"), QString::fromUtf8("€uro.“q”"),
                       QString::fromUtf16(u"\u0081\u008d\u008f.z"),
                       QString::fromUtf16(u"\u0178\u00ff\u00a0.")};
    QTest::newRow("no byte-order mark handling")
        << QByteArray("\xef\xbb\xbfXYZ.x") << QStringList{QString::fromUtf8("¿XYZ")}
        << QStringList{QString::fromUtf8("¿XYZ.x")};
}

void TestDictionaryLoader::lineRules()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, terms);
    QFETCH(QStringList, entries);

    const TermStore store = DictionaryLoader::parse(bytes).store;
    QCOMPARE(termsOf(store), terms);
    QCOMPARE(entriesOf(store), entries);
}

// Line ends are searched for many bytes at a time: one must be found wherever it falls.
void TestDictionaryLoader::lineEndAtEveryPosition_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<char>("filler");
    QTest::newRow("CR LF") << QByteArray("\r\n") << 'x';
    QTest::newRow("LF") << QByteArray("\n") << 'x';
    QTest::newRow("CR") << QByteArray("\r") << 'x';
    QTest::newRow("LF after tabs") << QByteArray("\n") << '\t'; // control bytes that end nothing
}

void TestDictionaryLoader::lineEndAtEveryPosition()
{
    QFETCH(QByteArray, lineEnd);
    QFETCH(char, filler);
    QByteArray bytes = "@@" + lineEnd;
    QStringList lines;
    for (int length = 1; length <= 100; ++length) {
        // Without a full stop the whole line is the term, so its last byte shows where it ended.
        const QByteArray line = QByteArray(length - 1, filler) + "y";
        bytes += line + lineEnd;
        lines << QString::fromLatin1(line);
    }
    const TermStore store = DictionaryLoader::parse(bytes).store;
    QCOMPARE(termsOf(store), lines);
    QCOMPARE(entriesOf(store), lines);
}

void TestDictionaryLoader::longLineAndNulBytes()
{
    QByteArray longLine(100000, 'x');
    longLine[50000] = '.';
    const QByteArray bytes =
        "@@" + longLine + QByteArray("\r\nA\0B.c\0d\r\n", 11) + QByteArray(3, '\0');
    const TermStore store = DictionaryLoader::parse(bytes).store;
    QCOMPARE(store.size(), 3);
    QCOMPARE(store.term(0), QString(50000, u'x'));
    QCOMPARE(store.entry(0).size(), 100000);
    QCOMPARE(store.term(1), QString::fromUtf16(u"A\0B", 3));
    QCOMPARE(store.entry(1), QString::fromUtf16(u"A\0B.c\0d", 7));
    QCOMPARE(store.term(2), QString(3, QChar(0)));
}

void TestDictionaryLoader::duplicatesKeepFileOrder()
{
    const TermStore store =
        DictionaryLoader::parse("@@ROUTER.first\r\nrouter.second\r\nROUTER.third").store;
    QCOMPARE(termsOf(store), (QStringList{"ROUTER", "router", "ROUTER"}));
    QCOMPARE(store.entry(2), QStringLiteral("ROUTER.third"));
}

void TestDictionaryLoader::readsFileFromDisk()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("data.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray bytes =
        "@@" + Fixture::numberedLines("TERM", 20000, " n.Definition number %1.");
    file.write(bytes);
    file.close();

    const DictionaryLoader::Result result = DictionaryLoader::loadFile(file.fileName());
    QVERIFY(result.ok());
    QCOMPARE(result.store.text(), QByteArrayView(bytes));
    QCOMPARE(result.store.size(), 20000);
    QCOMPARE(result.store.term(19999), QStringLiteral("TERM19999"));
    QCOMPARE(result.store.entry(0), QStringLiteral("TERM0 n.Definition number 0."));
    QCOMPARE(result.store.entry(19999), QStringLiteral("TERM19999 n.Definition number 19999."));
}

void TestDictionaryLoader::missingFileIsAnErrorNamingIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("data.dat");
    const DictionaryLoader::Result result = DictionaryLoader::loadFile(path);
    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains(path), qPrintable(result.error));
    QCOMPARE(result.store.size(), 0);
}

void TestDictionaryLoader::fileTooLargeForTheStoreIsAnError()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("data.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(TermStore::MaxTextSize + 1)); // sparse: takes no disk space
    file.close();
    const DictionaryLoader::Result result = DictionaryLoader::loadFile(file.fileName());
    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains("larger than the 4 GiB"), qPrintable(result.error));
    QCOMPARE(result.store.size(), 0);

    // Bytes over the limit, handed to the parser: refused before a byte is read. The memory is
    // only reserved.
    const size_t overLimit = size_t(TermStore::MaxTextSize) + 1;
    void* reserved =
        mmap(nullptr, overLimit, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    QVERIFY(reserved != MAP_FAILED);
    const DictionaryLoader::Result parsed = DictionaryLoader::parse(
        QByteArrayView(static_cast<const char*>(reserved), qsizetype(overLimit)), "data.dat");
    munmap(reserved, overLimit);
    QVERIFY2(parsed.error.contains("larger than the 4 GiB"), qPrintable(parsed.error));
    QCOMPARE(parsed.store.size(), 0);

    EndlessDevice endless;
    QVERIFY(endless.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    const DictionaryLoader::Result grown = DictionaryLoader::loadDevice(endless, "data.dat");
    QVERIFY2(grown.error.contains("larger than the 4 GiB"), qPrintable(grown.error));
    QCOMPARE(grown.store.size(), 0);
}

void TestDictionaryLoader::readErrorMidFileIsReported()
{
    FailingDevice device("@@ABC.def\r\nGHI.jkl\r\n");
    QVERIFY(device.open(QIODevice::ReadOnly));
    const DictionaryLoader::Result result = DictionaryLoader::loadDevice(device, "data.dat");
    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains("data.dat"), qPrintable(result.error));
    QVERIFY2(result.error.contains("Input/output error"), qPrintable(result.error));
    QCOMPARE(result.store.size(), 0);
}

QTEST_GUILESS_MAIN(TestDictionaryLoader)
#include "tst_dictionaryloader.moc"
