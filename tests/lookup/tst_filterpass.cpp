#include "ScriptedWindow.h"
#include "dictionary/DictionaryLoader.h"
#include "lookup/MainLookup.h"
#include "tests/support/Fixture.h"

#include <QTest>

namespace {

const QByteArray Small = "@@Router n.A device.\r\n"
                         "hardware.The parts.\r\n"
                         "rOUTINE.A procedure.\r\n"
                         "hard disk.A disk.\r\n"
                         "ro.ute.Short head.\r\n"
                         "RouTer.Again.\r\n"
                         "Hard Drive.A drive.\r\n"
                         "r.A letter.\r\n";

// 200 terms "t000" .. "t199", then "u000".. "u019": every store index is known.
TermStore numberedStore()
{
    return DictionaryLoader::parse("@@" + Fixture::numberedLines("t", 200, ".x", 3) +
                                   Fixture::numberedLines("u", 20, ".x", 3))
        .store;
}

QStringList termsOf(const TermStore& store, const QString& prefix)
{
    QStringList out;
    for (qsizetype i = 0; i < store.size(); ++i) {
        if (store.term(i).startsWith(prefix))
            out << store.term(i);
    }
    return out;
}

} // namespace

class TestFilterPass : public QObject
{
    Q_OBJECT

private slots:
    void listsTermsBeginningWithTheKey_data();
    void listsTermsBeginningWithTheKey();
    void keyLongerThanTheKeptLengths();
    void passResetsFollowerAndLeavesPanel();
    void eventsRunAfterMultiplesOfFiftyOnly_data();
    void eventsRunAfterMultiplesOfFiftyOnly();
    void newerKeystrokeLeavesOnlyNewestRows();
    void typedAndDeletedCharacterLeavesNoDuplicates();
    void rowSelectedMidPassIsShownWhileThePassGoesOn();
    void emptyStoreListsNothing();
};

void TestFilterPass::listsTermsBeginningWithTheKey_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("rows");

    const QStringList rou{"Router", "rOUTINE", "RouTer"};
    QTest::newRow("rou") << "rou" << rou;
    QTest::newRow("Rou") << "Rou" << rou;
    QTest::newRow("ROU") << "ROU" << rou;
    QTest::newRow("spaces around") << " rou " << rou;
    QTest::newRow("inner space counts") << "hard d" << QStringList{"hard disk", "Hard Drive"};
    QTest::newRow("short-head term") << "RO.U" << QStringList{"ro.ute"};
    QTest::newRow("empty lists all")
        << "" << QStringList{"Router", "hardware", "rOUTINE",    "hard disk",
                             "ro.ute", "RouTer",   "Hard Drive", "r.A letter"};
    QTest::newRow("spaces only lists all")
        << "   " << QStringList{"Router", "hardware", "rOUTINE",    "hard disk",
                                "ro.ute", "RouTer",   "Hard Drive", "r.A letter"};
    QTest::newRow("one letter") << "R"
                                << QStringList{"Router", "rOUTINE", "ro.ute", "RouTer",
                                               "r.A letter"};
    QTest::newRow("fifth character differs") << "hardc" << QStringList{};
    QTest::newRow("a whole term") << "hardware" << QStringList{"hardware"};
    QTest::newRow("a whole term, other case") << "ROUTER" << QStringList{"Router", "RouTer"};
    QTest::newRow("begins no term") << "xyz" << QStringList{};
    QTest::newRow("longer than every term") << "router and more" << QStringList{};
    QTest::newRow("outside the code page") << QString::fromUtf8("č") << QStringList{};
}

void TestFilterPass::listsTermsBeginningWithTheKey()
{
    QFETCH(QString, search);
    QFETCH(QStringList, rows);

    const TermStore store = DictionaryLoader::parse(Small).store;
    ScriptedWindow window(store);
    MainLookup lookup(store, window);
    window.search = search;
    lookup.txtSearch_Change();
    QCOMPARE(window.rows, rows);
    QCOMPARE(window.filledCount, 1);
}

void TestFilterPass::keyLongerThanTheKeptLengths()
{
    // The table keeps lengths up to 255: a longer key is measured against the term itself.
    const TermStore store = DictionaryLoader::parse("@@" + QByteArray(300, 'x') + " n.long\r\n" +
                                                    QByteArray(258, 'x') + " n.short\r\n")
                                .store;
    ScriptedWindow window(store);
    MainLookup lookup(store, window);
    window.search = QString(260, u'x');
    lookup.txtSearch_Change();
    QCOMPARE(window.rows, QStringList{QString(300, u'x')});
    window.search = QString(258, u'x') +
                    QStringLiteral(" n"); // the line's bytes after a term are not the term's
    lookup.txtSearch_Change();
    QCOMPARE(window.rows, QStringList{});
}

void TestFilterPass::passResetsFollowerAndLeavesPanel()
{
    const TermStore store = DictionaryLoader::parse(Small).store;
    ScriptedWindow window(store);
    MainLookup lookup(store, window);
    window.rows << "Router";
    window.current = 0;
    window.panel = "shown before";
    window.search = "hard d ";
    lookup.txtSearch_Change();
    QCOMPARE(lookup.lastListIndex(), -1);
    QCOMPARE(window.current, -1);
    QCOMPARE(window.panel, QStringLiteral("shown before"));

    window.current = 0; // row 0 again, now "hard disk": shown though its index was shown before
    lookup.Timer_Timer();
    QCOMPARE(window.panel, QStringLiteral("hard disk.A disk."));
}

void TestFilterPass::eventsRunAfterMultiplesOfFiftyOnly_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("pumps");

    QTest::newRow("every term: after 0, 50, 100, 150, 200") << "" << 5;
    QTest::newRow("t terms: after 0, 50, 100, 150") << "t" << 4;
    QTest::newRow("t05: index 50 only") << "t05" << 1;
    QTest::newRow("t1: after 100 and 150") << "t1" << 2;
    QTest::newRow("u01: indices 210-219, none a multiple") << "u01" << 0;
}

void TestFilterPass::eventsRunAfterMultiplesOfFiftyOnly()
{
    QFETCH(QString, search);
    QFETCH(int, pumps);

    const TermStore store = numberedStore();
    ScriptedWindow window(store);
    MainLookup lookup(store, window);
    window.search = search;
    QStringList rowsAtPumps;
    window.onPump = [&](int) { rowsAtPumps << window.rows.last(); };
    lookup.txtSearch_Change();
    QCOMPARE(window.pumpCount, pumps);
    for (const QString& row : rowsAtPumps)
        QVERIFY2(row.mid(1).toInt() % 50 == 0 || row == "u000", qPrintable(row));
}

void TestFilterPass::newerKeystrokeLeavesOnlyNewestRows()
{
    const TermStore store = numberedStore();
    ScriptedWindow window(store);
    MainLookup lookup(store, window);
    window.search = "";
    window.onPump = [&](int pump) {
        if (pump == 2) { // the user types "t1" while the full list is being rebuilt
            window.search = "t1";
            lookup.txtSearch_Change();
        }
    };
    lookup.txtSearch_Change();
    QCOMPARE(window.rows, termsOf(store, "t1"));
}

void TestFilterPass::typedAndDeletedCharacterLeavesNoDuplicates()
{
    const TermStore store = numberedStore();
    ScriptedWindow window(store);
    MainLookup lookup(store, window);
    window.search = "t";
    window.onPump = [&](int pump) {
        if (pump == 1) { // "x" typed: a nested pass that lists nothing
            window.search = "tx";
            lookup.txtSearch_Change();
            window.search = "t"; // and deleted again: a nested pass that lists every "t" term
            lookup.txtSearch_Change();
        }
    };
    lookup.txtSearch_Change();
    QCOMPARE(window.rows, termsOf(store, "t"));
    QCOMPARE(window.rows.removeDuplicates(), 0);
}

void TestFilterPass::rowSelectedMidPassIsShownWhileThePassGoesOn()
{
    const TermStore store = numberedStore();
    ScriptedWindow window(store);
    MainLookup lookup(store, window);
    window.search = "t";
    window.onPump = [&](int pump) {
        lookup.Timer_Timer(); // a tick with no row selected does nothing
        if (pump == 2) {
            window.current = 3; // the user clicks "t003" in the partly filled list
            lookup.Timer_Timer();
        }
    };
    lookup.txtSearch_Change();
    QCOMPARE(window.panel, QStringLiteral("t003.x"));
    QCOMPARE(lookup.lastListIndex(), 3);
    QCOMPARE(window.current, 3);
    QCOMPARE(window.rows, termsOf(store, "t"));
}

void TestFilterPass::emptyStoreListsNothing()
{
    const TermStore store;
    ScriptedWindow window(store);
    MainLookup lookup(store, window);
    window.rows << "stale";
    lookup.txtSearch_Change();
    QVERIFY(window.rows.isEmpty());
    lookup.go();
    window.search = "x";
    lookup.go();
    QCOMPARE(window.messages, QStringList{"Sorry ! The term x was not found."});
}

QTEST_GUILESS_MAIN(TestFilterPass)
#include "tst_filterpass.moc"
