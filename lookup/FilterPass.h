#pragma once

#include <QtGlobal>

class LookupWindow;
class PrefixTable;
class TermStore;

// One run of the incremental filter: rebuilds the list from the whole store with the terms that
// begin with the search text, letting window events run now and then, and stops as soon as a
// newer pass has started inside one of those event runs. It stands apart from MainLookup, its one
// caller, because a pass re-enters: a key typed during its event runs starts another pass on the
// same MainLookup before this one returns, so the pass keeps nothing of its own beyond its stack
// and reads the shared count to see that it has been overtaken.
class FilterPass
{
public:
    // What a pass shares with the selection follower and with the passes that start inside it.
    struct SharedState
    {
        qint32& lastListIndex;
        quint64& passCount; // bumped by every pass when it starts
    };

    static void run(SharedState shared, LookupWindow& window, const TermStore& store,
                    const PrefixTable& prefixes);
};
