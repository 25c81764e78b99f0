// Filter pass speed through the real main window (shown, offscreen), and the same pass over the
// store alone, to tell the cost of the list view and the event runs; and a letter typed in the
// list that no term begins with (its keyboard search, over every row). Usage: bench_filter
// <entries>. With "paint" after the entries, in an X server: the list repainted whole with the
// pointer over it, where each paint may ask the server where the pointer is.
#include "BenchDictionary.h"
#include "clipboard/ClipboardOwner.h"
#include "dictionary/DictionaryLoader.h"
#include "harness/NoMoves.h"
#include "lookup/MainLookup.h"
#include "lookup/PrefixTable.h"
#include "lookup/TermIndex.h"
#include "tests/support/Controls.h"
#include "ui/Form1.h"
#include "ui/TermListModel.h"
#include "ui/WindowMoves.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <malloc.h>
#include <vector>

namespace {

// A window with nothing behind it: what the pass itself costs.
class NullWindow : public LookupWindow
{
public:
    QString searchText() const override { return text; }
    int currentRow() const override { return -1; }
    QString rowText(int) const override { return {}; }
    void clearRows() override { rows = 0; }
    void appendRow(qsizetype) override { ++rows; }
    void rowsFilled() override {}
    QString panelText() const override { return {}; }
    void setPanelText(const QString&) override {}
    void pumpEvents() override { ++pumps; }
    void showInformation(const QString&) override {}
    void setClipboardText(const QString&) override {}
    QString text;
    qsizetype rows = 0;
    qsizetype pumps = 0;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int paintWithPointerOver(Form1& form, qsizetype entries)
{
    QWidget* rows = Controls::List1(&form)->viewport();
    QCursor::setPos(rows->mapToGlobal(rows->rect().center()));
    for (int i = 0; i < 200 && !rows->underMouse(); ++i)
        QTest::qWait(10); // until the pointer's move reaches the program
    std::vector<double> paints;
    for (int run = 0; run < 51; ++run) {
        QElapsedTimer timer;
        timer.start();
        rows->repaint();
        paints.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    BenchDictionary::print(QStringLiteral("list_paint_hovered_%1").arg(entries), median(paints),
                           "ms");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const bool paint = argc > 2 && QByteArray(argv[2]) == "paint";
    if (!paint)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qsizetype entries = argc > 1 ? QByteArray(argv[1]).toLongLong() : 10000;
    const TermStore store = DictionaryLoader::parse(BenchDictionary::generate(entries)).store;

    // What the first filter pass and the first selection pay once, for the tables built on use.
    if (!paint) {
        QElapsedTimer timer;
        timer.start();
        const PrefixTable prefixes(store);
        BenchDictionary::print(QStringLiteral("prefix_table_%1").arg(entries),
                               double(timer.nsecsElapsed()) / 1e6, "ms");
        timer.restart();
        const TermIndex index(store);
        BenchDictionary::print(QStringLiteral("term_index_%1").arg(entries),
                               double(timer.nsecsElapsed()) / 1e6, "ms");
    }

    NoMoves moves;
    ClipboardOwner clipboard{QString()};
    Form1 form(moves, store, clipboard);
    form.listEveryTerm();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    QCoreApplication::processEvents();
    if (paint)
        return paintWithPointerOver(form, entries);

    NullWindow bare;
    MainLookup bareLookup(store, bare);

    const struct
    {
        const char* name;
        QString key;
    } keys[] = {{"empty", QString()},
                {"1letter", QStringLiteral("b")},
                {"3letters", QStringLiteral("bcd")}};
    for (const auto& k : keys) {
        std::vector<double> window, core;
        for (int run = 0; run < 7; ++run) {
            Controls::txtSearch(&form)->setText(QStringLiteral("no term begins so"));
            QCoreApplication::processEvents();
            QElapsedTimer timer;
            timer.start();
            Controls::txtSearch(&form)->setText(k.key); // runs one whole pass, events and all
            window.push_back(double(timer.nsecsElapsed()) / 1e6);
            QCoreApplication::processEvents();

            bare.text = k.key;
            timer.restart();
            bareLookup.txtSearch_Change();
            core.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        const QString name = QStringLiteral("filter_%1_%2").arg(entries).arg(k.name);
        BenchDictionary::print(name, median(window), "ms");
        BenchDictionary::print(name + "_core", median(core), "ms");
        BenchDictionary::print(name + "_rows", double(form.termModel()->rowCount()), "rows");
        BenchDictionary::print(name + "_pumps", double(bare.pumps / 7), "pumps");
        bare.pumps = 0;
    }

    Controls::txtSearch(&form)->clear();
    QCoreApplication::processEvents();
    Controls::List1(&form)->setFocus();
    Controls::List1(&form)->setCurrentIndex(form.termModel()->index(0));
    std::vector<double> search;
    for (int run = 0; run < 7; ++run) {
        QKeyEvent digit(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, QStringLiteral("9"));
        QElapsedTimer timer;
        timer.start();
        QCoreApplication::sendEvent(Controls::List1(&form), &digit); // the terms begin with letters
        search.push_back(double(timer.nsecsElapsed()) / 1e6);
        QTest::qWait(QApplication::keyboardInputInterval() + 50); // a search of its own each time
    }
    BenchDictionary::print(QStringLiteral("list_search_%1_miss").arg(entries), median(search),
                           "ms");

    // An assistive tool visits 100,000 rows, then a filter pass replaces them: the memory the
    // rows' interfaces hold, and the pass's time.
    if (entries < 100000)
        return 0;
    QAccessible::setActive(true);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(Controls::List1(&form));
    const auto megabytes = [start = mallinfo2().uordblks] {
        return double(mallinfo2().uordblks - start) / 1e6;
    };
    for (int row = 0; row < 100000; ++row)
        list->child(row);
    BenchDictionary::print("accessible_100000_rows_visited", megabytes(), "MB");
    QElapsedTimer timer;
    timer.start();
    Controls::txtSearch(&form)->setText(QStringLiteral("b"));
    BenchDictionary::print(QStringLiteral("filter_%1_1letter_after_visit").arg(entries),
                           double(timer.nsecsElapsed()) / 1e6, "ms");
    BenchDictionary::print("accessible_100000_rows_then_pass", megabytes(), "MB");
    return 0;
}
