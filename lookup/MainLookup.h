#pragma once

#include "lookup/PrefixTable.h"
#include "lookup/TermIndex.h"

#include <QString>
#include <memory>

class LookupWindow;
class TermStore;

// The main window's lookup procedures over one store, with the state they share: the filter pass
// (the terms that begin with the search text, listed while window events run now and then), the
// selection follower, GO and Copy Definition.
class MainLookup
{
public:
    static inline const QString EmptySearchPrompt =
        QStringLiteral("Please enter some text first !");

    MainLookup(const TermStore& store, LookupWindow& window);

    // Builds what the first filter pass needs, so that the first key typed does not wait for it.
    void prepareFilter() { prefixes(); }

    void txtSearch_Change();
    void Timer_Timer();
    void go();
    void copyDefinition();

    // Every term's first characters, folded: built on first use.
    const PrefixTable& prefixes();

    qint32 lastListIndex() const { return LastListIndex; }

private:
    const TermIndex& index();

    // The list row whose entry the follower showed last; -1 after a filter pass.
    qint32 LastListIndex = 0;
    const TermStore& m_store;
    LookupWindow& m_window;
    quint64 m_passCount = 0; // bumped by every filter pass when it starts
    // Built on first use, so that a large dictionary does not pay for them during start-up.
    std::unique_ptr<TermIndex> m_index;
    std::unique_ptr<PrefixTable> m_prefixes;
};
