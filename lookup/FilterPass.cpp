#include "lookup/FilterPass.h"

#include "dictionary/TermStore.h"
#include "dictionary/TextRules.h"
#include "dictionary/Windows1252.h"
#include "lookup/LookupWindow.h"
#include "lookup/PrefixTable.h"

void FilterPass::run(SharedState shared, LookupWindow& window, const TermStore& store,
                     const PrefixTable& prefixes)
{
    shared.lastListIndex = -1;
    const quint64 thisPass = ++shared.passCount;
    const QString startingText = window.searchText();
    window.clearRows();

    // The key lower-cased as code-page bytes; one with a character outside the code page begins
    // no stored term.
    const std::optional<QByteArray> keyBytes =
        Windows1252::instance().encodeLowered(TextRules::trimSpaces(startingText));
    if (!keyBytes) {
        window.rowsFilled();
        return;
    }
    const PrefixTable::Key prefixKey(*keyBytes);
    const qsizetype count = store.size();
    for (qsizetype i = prefixes.next(0, prefixKey); i < count;
         i = prefixes.next(i + 1, prefixKey)) {
        window.appendRow(i);
        if (i % 50 != 0)
            continue;
        window.pumpEvents();
        // The text can change only while events run, so this is the one place to look at it.
        // A newer pass that ran meanwhile has rebuilt the list, even for the same text.
        if (shared.passCount != thisPass || window.searchText() != startingText)
            return;
    }
    window.rowsFilled();
}
