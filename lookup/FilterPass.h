#pragma once

#include <QtGlobal>

class LookupWindow;
class PrefixTable;
class TermStore;

// One run of the incremental filter: rebuilds the list from the whole store with the terms that
// begin with the search text, letting window events run now and then, and stops as soon as a
// newer pass has started inside one of those event runs.
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
