#include "lookup/MainLookup.h"

#include "dictionary/TermStore.h"
#include "dictionary/TextRules.h"
#include "dictionary/Windows1252.h"
#include "lookup/LookupWindow.h"

MainLookup::MainLookup(const TermStore& store, LookupWindow& window)
    : m_store(store), m_window(window)
{
}

const TermIndex& MainLookup::index()
{
    if (!m_index)
        m_index = std::make_unique<TermIndex>(m_store);
    return *m_index;
}

const PrefixTable& MainLookup::prefixes()
{
    if (!m_prefixes)
        m_prefixes = std::make_unique<PrefixTable>(m_store);
    return *m_prefixes;
}

// A pass re-enters: a key typed while events run starts another before it returns. It keeps only
// its stack, and stops once the shared count shows a newer pass. It relies on two things: the
// prefix table it holds is built once and never rebuilt, and no event run destroys the lookup while
// a pass is on the stack (the window holds back its own deletion until its outermost pass returns).
void MainLookup::txtSearch_Change()
{
    LastListIndex = -1;
    const quint64 thisPass = ++m_passCount;
    const QString startingText = m_window.searchText();
    m_window.clearRows();
    // A key with a character outside the code page begins no stored term.
    const std::optional<QByteArray> keyBytes =
        Windows1252::instance().encodeLowered(TextRules::trimSpaces(startingText));
    if (!keyBytes) {
        m_window.rowsFilled();
        return;
    }
    const PrefixTable::Key key(*keyBytes);
    const PrefixTable& table = prefixes();
    for (qsizetype i = table.next(0, key); i < m_store.size(); i = table.next(i + 1, key)) {
        m_window.appendRow(i);
        if (i % 50 != 0)
            continue;
        m_window.pumpEvents();
        // The text changes only while events run; a newer pass meanwhile rebuilt the list.
        if (m_passCount != thisPass || m_window.searchText() != startingText)
            return;
    }
    m_window.rowsFilled();
}

void MainLookup::Timer_Timer()
{
    const int row = m_window.currentRow();
    if (row == -1 || row == LastListIndex)
        return;
    const qsizetype i = index().firstEqual(m_window.rowText(row));
    if (i < 0)
        return; // tried again at every tick while this row stays selected
    m_window.setPanelText(m_store.entry(i));
    LastListIndex = row;
}

void MainLookup::go()
{
    const QString text = TextRules::trimSpaces(m_window.searchText()).toString();
    if (text.isEmpty()) {
        m_window.setPanelText(EmptySearchPrompt);
        return;
    }
    // A term typed with a real full stop is found as it is before any written with a middle dot.
    qsizetype i = index().firstEqual(text);
    if (i < 0)
        i = index().firstEqual(text, TermIndex::Equality::IgnoringCaseAndDots);
    if (i >= 0)
        m_window.setPanelText(m_store.entry(i));
    else
        m_window.showInformation(QStringLiteral("Sorry ! The term %1 was not found.").arg(text));
}

void MainLookup::copyDefinition()
{
    m_window.setClipboardText(TextRules::trimSpaces(m_window.panelText()).toString());
}
