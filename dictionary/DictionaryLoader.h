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

    static Result loadFile(const QString& path);
    static Result loadDevice(QIODevice& device, const QString& name);
    // The line rules alone, on bytes already read; no more than TermStore::MaxTextSize of them.
    static Result parse(QByteArrayView bytes, const QString& name = QStringLiteral("the text"));
};
