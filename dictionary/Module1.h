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

// Reads the file at DataPath into a store; the file is open only while it is read.
LoadOutcome LoadDictionary(const QString& DataPath);

} // namespace Module1
