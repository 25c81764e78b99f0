#pragma once

#include "dictionary/TermStore.h"

#include <QString>

class QIODevice;

// Reads a dictionary file into a term store. It reports failures in its result and never shows
// anything to the user.
class DictionaryLoader
{
public:
    struct Result
    {
        TermStore store;
        QString error; // empty when the file was read

        bool ok() const { return error.isEmpty(); }
    };

    // memory: what prepareMemory made ready for this file, if anything; used whatever its size.
    static Result loadFile(const QString& path, PageBuffer memory = {});
    static Result loadDevice(QIODevice& device, const QString& name, PageBuffer memory = {});
    // Memory for loadFile to read the file at path into, its pages already backed; empty when
    // there is no readable file there of a size a store takes. Meant for a second thread while
    // the program starts: the system's zeroing of fresh pages then costs the main thread nothing.
    static PageBuffer prepareMemory(const QString& path);
    // The line rules alone, on bytes already read.
    static TermStore parse(QByteArrayView bytes);
};
