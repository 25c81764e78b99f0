#include "lookup/MainLookup.h"

#include "dictionary/TermStore.h"
#include "dictionary/TextRules.h"
#include "lookup/FilterPass.h"
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

void MainLookup::txtSearch_Change()
{
    FilterPass::run({LastListIndex, m_passCount}, m_window, m_store, prefixes());
}

void MainLookup::Timer_Timer()
{
    const int row = m_window.currentRow();
    if (row == -1 || row == LastListIndex)
        return;
    const qsizetype i = index().firstEqualIgnoringCase(m_window.rowText(row));
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
    qsizetype i = index().firstEqualIgnoringCase(text);
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
