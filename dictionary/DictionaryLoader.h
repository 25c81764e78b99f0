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

    // A file's bytes, read before its load: the memory they are in and how many there are. With
    // bytes < 0 the file was not read whole, and the memory is only room to read it into.
    struct ReadAhead
    {
        PageBuffer memory;
        qsizetype bytes = -1;
    };

    // ahead: what readAhead gave for this file, if anything; its memory is used whatever its size.
    static Result loadFile(const QString& path, ReadAhead ahead);
    static Result loadFile(const QString& path);
    static Result loadDevice(QIODevice& device, const QString& name, PageBuffer memory = {});
    // The file at path read into memory of its own; nothing when there is no readable file there
    // of a size a store takes. Meant for a second thread while the program starts: the copy out
    // of the system's cache, and its zeroing of fresh pages, then cost the main thread nothing.
    static ReadAhead readAhead(const QString& path);
    // The line rules alone, on bytes already read.
    static TermStore parse(QByteArrayView bytes);
};
