#pragma once

#include "dictionary/DictionaryLoader.h"

#include <QString>

// The dictionary's load, as the start-up calls it.
namespace Module1 {

// Reads the file at DataPath into a store; the file is open only while it is read. The store's
// size is the entry count that bounds the term list.
inline DictionaryLoader::Result LoadDictionary(const QString& DataPath)
{
    return DictionaryLoader::loadFile(DataPath);
}

} // namespace Module1
