#pragma once

#include "dictionary/DictionaryLoader.h"
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

// Reads the file at DataPath into a store, or takes what was read of it ahead.
LoadOutcome LoadDictionary(const QString& DataPath, DictionaryLoader::ReadAhead ahead = {});

} // namespace Module1
