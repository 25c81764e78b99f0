#include "ScriptedWindow.h"
#include "dictionary/DictionaryLoader.h"
#include "lookup/MainLookup.h"

#include <QTest>

namespace {

const QByteArray Dictionary = "@@Router n.A device that forwards packets.\r\n"
                              "ROUTER.Second router line.\r\n"
                              "router .Third, with a space in its head.\r\n"
                              "hardware.The physical parts.\r\n"
                              "hard disk.A disk.\r\n"
                              "IP. Internet Protocol .The protocol.\r\n"
                              "Caf\xe9.A place.\r\n"
                              "line break.Ends in spaces  \r\n";

// Long heads cannot hold a full stop, so such terms are written with a middle dot (0xB7).
const QByteArray Dotted = "@@192\xb7"
                          "168\xb7"
                          "1\xb7"
                          "1 n.An address.\r\n"
                          "IEEE 802\xb7"
                          "11 n.Wireless.\r\n"
                          "C.programming language.The C.\r\n"
                          "ab\xb7"
                          "cd n.Middle dot first.\r\n"
                          "ab.cd.Full stop second.\r\n";

} // namespace

class TestMainLookup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void followerKeepsFirstTextRightAfterStart();
    void followerShowsRowAfterReset();
    void followerTakesFirstEqualTermIgnoringCase();
    void followerIgnoresRowInNoTermAndRetries();
    void fullStopAndMiddleDotMatchEachOther_data();
    void fullStopAndMiddleDotMatchEachOther();
    void followerKeepsDotsApart();
    void go_data();
    void go();
    void goLeavesListAndFollowerAlone();
    void followerRunsWhileGoMessageIsUp();
    void copyDefinition_data();
    void copyDefinition();

private:
    TermStore m_store;
};

void TestMainLookup::init()
{
    m_store = DictionaryLoader::parse(Dictionary).store;
}

void TestMainLookup::followerKeepsFirstTextRightAfterStart()
{
    ScriptedWindow window(m_store);
    MainLookup lookup(m_store, window);
    window.rows << "Router"
                << "ROUTER";
    window.current = 0;
    const QString first = window.panel;
    lookup.Timer_Timer();
    QCOMPARE(window.panel, first);
    QCOMPARE(lookup.lastListIndex(), 0);

    window.current = 1;
    lookup.Timer_Timer();
    QCOMPARE(window.panel, QStringLiteral("Router n.A device that forwards packets."));
    QCOMPARE(lookup.lastListIndex(), 1);
}

void TestMainLookup::followerShowsRowAfterReset()
{
    ScriptedWindow window(m_store);
    MainLookup lookup(m_store, window);
    window.search = "hardware";
    lookup.txtSearch_Change(); // lists "hardware", no row shown
    window.current = 0;
    lookup.Timer_Timer();
    QCOMPARE(window.panel, QStringLiteral("hardware.The physical parts."));
    QCOMPARE(lookup.lastListIndex(), 0);

    window.panel = "written by GO";
    lookup.Timer_Timer(); // same row again: nothing
    QCOMPARE(window.panel, QStringLiteral("written by GO"));
}

void TestMainLookup::followerTakesFirstEqualTermIgnoringCase()
{
    ScriptedWindow window(m_store);
    MainLookup lookup(m_store, window);
    window.rows << "x"
                << "router" << QString::fromUtf8("CAFÉ") << "ip.internet protocol";
    for (int row : {1, 2, 3}) {
        window.current = row;
        lookup.Timer_Timer();
        QCOMPARE(lookup.lastListIndex(), row);
    }
    window.current = 1;
    lookup.Timer_Timer();
    QCOMPARE(window.panel, QStringLiteral("Router n.A device that forwards packets."));
    window.current = 2;
    lookup.Timer_Timer();
    QCOMPARE(window.panel, QString::fromUtf8("Café.A place."));
    window.current = 3;
    lookup.Timer_Timer();
    QCOMPARE(window.panel, QStringLiteral("IP. Internet Protocol .The protocol."));
}

void TestMainLookup::followerIgnoresRowInNoTermAndRetries()
{
    ScriptedWindow window(m_store);
    MainLookup lookup(m_store, window);
    window.search = "zzz";
    lookup.txtSearch_Change(); // no row shown
    window.rows << "nothing like it"
                << "routers";
    for (int row : {0, 1}) {
        window.current = row;
        lookup.Timer_Timer();
        QCOMPARE(lookup.lastListIndex(), -1);
    }
    QCOMPARE(window.panel, QStringLiteral("Select or search a term to see its definition."));
}

void TestMainLookup::fullStopAndMiddleDotMatchEachOther_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("goPanel"); // empty: GO answers "not found"

    const QString address = QString::fromUtf8("192·168·1·1");
    const QString ieee = QString::fromUtf8("IEEE 802·11");
    const QString cLanguage = QStringLiteral("C.programming language");
    QTest::newRow("typed full stops")
        << "192.168.1.1" << QStringList{address} << QString::fromUtf8("192·168·1·1 n.An address.");
    QTest::newRow("typed prefix, other case") << "ieee 802.1" << QStringList{ieee} << QString();
    QTest::newRow("typed middle dot") << QString::fromUtf8("ieee 802·11") << QStringList{ieee}
                                      << QString::fromUtf8("IEEE 802·11 n.Wireless.");
    QTest::newRow("real full stop, typed")
        << "c.programming language" << QStringList{cLanguage} << "C.programming language.The C.";
    QTest::newRow("real full stop, middle dot typed")
        << QString::fromUtf8("C·PROG") << QStringList{cLanguage} << QString();
    QTest::newRow("both kinds listed, GO the exact one")
        << "AB.CD" << QStringList{QString::fromUtf8("ab·cd"), "ab.cd"} << "ab.cd.Full stop second.";
    QTest::newRow("a comma is no full stop") << "192,168" << QStringList{} << QString();
}

void TestMainLookup::fullStopAndMiddleDotMatchEachOther()
{
    QFETCH(QString, search);
    QFETCH(QStringList, rows);
    QFETCH(QString, goPanel);

    const TermStore store = DictionaryLoader::parse(Dotted).store;
    ScriptedWindow window(store);
    MainLookup lookup(store, window);
    window.search = search;
    lookup.txtSearch_Change();
    QCOMPARE(window.rows, rows);
    window.panel.clear();
    lookup.go();
    QCOMPARE(window.panel, goPanel);
    QCOMPARE(window.messages.size(), goPanel.isEmpty() ? 1 : 0);
}

void TestMainLookup::followerKeepsDotsApart()
{
    // A row shows its own entry, not that of an earlier term that differs only in its dots.
    const TermStore store = DictionaryLoader::parse(Dotted).store;
    ScriptedWindow window(store);
    MainLookup lookup(store, window);
    window.rows << QString::fromUtf8("ab·cd") << "ab.cd";
    window.current = 1;
    lookup.Timer_Timer();
    QCOMPARE(window.panel, QStringLiteral("ab.cd.Full stop second."));
}

void TestMainLookup::go_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("message");

    const QString first = QStringLiteral("Select or search a term to see its definition.");
    QTest::newRow("empty") << ""
                           << "Please enter some text first !"
                           << "";
    QTest::newRow("spaces only") << "    "
                                 << "Please enter some text first !"
                                 << "";
    QTest::newRow("spaced mixed case") << "  RouTer "
                                       << "Router n.A device that forwards packets."
                                       << "";
    QTest::newRow("inner space counts") << "HARD DISK"
                                        << "hard disk.A disk."
                                        << "";
    QTest::newRow("mere prefix, case kept")
        << "  RoUt  " << first << "Sorry ! The term RoUt was not found.";
    QTest::newRow("tab is not trimmed")
        << "\trouter" << first << "Sorry ! The term \trouter was not found.";
    QTest::newRow("outside the code page")
        << QString::fromUtf8("ruč") << first
        << QString::fromUtf8("Sorry ! The term ruč was not found.");
    QTest::newRow("accented upper case")
        << QString::fromUtf8("CAFÉ") << QString::fromUtf8("Café.A place.") << "";
}

void TestMainLookup::go()
{
    QFETCH(QString, search);
    QFETCH(QString, panel);
    QFETCH(QString, message);

    ScriptedWindow window(m_store);
    MainLookup lookup(m_store, window);
    window.search = search;
    lookup.go();
    QCOMPARE(window.panel, panel);
    QCOMPARE(window.messages, message.isEmpty() ? QStringList() : QStringList{message});
}

void TestMainLookup::goLeavesListAndFollowerAlone()
{
    ScriptedWindow window(m_store);
    MainLookup lookup(m_store, window);
    window.rows << "hardware"
                << "hard disk"; // a filtered list without "router"
    window.current = 1;
    lookup.Timer_Timer(); // row 1 shown
    window.search = "router";
    lookup.go();
    QCOMPARE(window.panel, QStringLiteral("Router n.A device that forwards packets."));
    QCOMPARE(window.rows, (QStringList{"hardware", "hard disk"}));
    QCOMPARE(window.current, 1);
    QCOMPARE(lookup.lastListIndex(), 1);

    lookup.Timer_Timer(); // the row shown before GO is still selected: GO's entry stays
    QCOMPARE(window.panel, QStringLiteral("Router n.A device that forwards packets."));
}

void TestMainLookup::followerRunsWhileGoMessageIsUp()
{
    ScriptedWindow window(m_store);
    MainLookup lookup(m_store, window);
    window.rows << "Router"
                << "hardware";
    window.current = 0;
    lookup.Timer_Timer(); // row 0 shown
    window.current = 1;
    window.search = "nothing";
    window.onMessage = [&] { lookup.Timer_Timer(); }; // the timer ticks behind the modal box
    lookup.go();
    QCOMPARE(window.messages.size(), 1);
    QCOMPARE(window.panel, QStringLiteral("hardware.The physical parts."));
    QCOMPARE(lookup.lastListIndex(), 1);
}

void TestMainLookup::copyDefinition_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("clipboard");

    QTest::newRow("entry with trailing spaces") << "line break.Ends in spaces  "
                                                << "line break.Ends in spaces";
    QTest::newRow("first text") << "Select or search a term to see its definition."
                                << "Select or search a term to see its definition.";
    QTest::newRow("GO's prompt") << "Please enter some text first !"
                                 << "Please enter some text first !";
    QTest::newRow("line break at the end kept") << "  text\r\n"
                                                << "text\r\n";
    QTest::newRow("tabs kept") << "\ttext\t "
                               << "\ttext\t";
    QTest::newRow("spaces only") << "   "
                                 << "";
}

void TestMainLookup::copyDefinition()
{
    QFETCH(QString, panel);
    QFETCH(QString, clipboard);

    ScriptedWindow window(m_store);
    MainLookup lookup(m_store, window);
    window.panel = panel;
    lookup.copyDefinition();
    QCOMPARE(window.clipboard, clipboard);
    QCOMPARE(window.panel, panel);
}

QTEST_GUILESS_MAIN(TestMainLookup)
#include "tst_mainlookup.moc"
