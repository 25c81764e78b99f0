#pragma once

#include "dictionary/TermStore.h"

#include <QString>

// The program's globals: where the dictionary lies and what was loaded from it.
namespace Module1 {

// A read-only view of one column of the store, indexed from 0 like the array it stands for.
class StoreColumn
{
public:
    using Reader = QString (TermStore::*)(qsizetype) const;

    QString operator[](qsizetype i) const { return (m_store->*m_read)(i); }
    qsizetype size() const { return m_store->size(); }
    qsizetype upperBound() const { return m_store->size() - 1; }

    const TermStore* m_store;
    Reader m_read;
};

inline QString DataPath;
inline TermStore Store;
inline const StoreColumn Terms{&Store, &TermStore::term};
inline const StoreColumn Entries{&Store, &TermStore::entry};

struct LoadOutcome
{
    qsizetype EntryCount = 0;
    QString error; // empty when the file was read

    bool ok() const { return error.isEmpty(); }
};

// Reads the file at DataPath into the program's store.
LoadOutcome LoadDictionary();

} // namespace Module1
