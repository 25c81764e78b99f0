#pragma once

#include "dictionary/TermStore.h"

#include <QString>

// The dictionary's load, as the start-up calls it.
namespace Module1 {

struct LoadOutcome
{
    TermStore Store;
    qsizetype EntryCount = 0;
    QString error; // empty when the file was read

    bool ok() const { return error.isEmpty(); }
};

// Reads the file at DataPath into a store, in memory made ready for it if there is some.
LoadOutcome LoadDictionary(const QString& DataPath, PageBuffer memory = {});

} // namespace Module1
