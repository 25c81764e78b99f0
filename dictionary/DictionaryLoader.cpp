#include "dictionary/DictionaryLoader.h"

#include "dictionary/LineEnd.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace {

using Span = TermStore::Span;

Span trimSpaces(const char* data, Span s)
{
    while (s.length > 0 && data[s.offset] == ' ') {
        ++s.offset;
        --s.length;
    }
    while (s.length > 0 && data[s.offset + s.length - 1] == ' ')
        --s.length;
    return s;
}

bool isBlank(const char* data, Span line)
{
    return std::all_of(data + line.offset, data + line.offset + line.length,
                       [](char c) { return c == ' '; });
}

qsizetype findDot(const char* data, qsizetype from, qsizetype end)
{
    const void* hit = memchr(data + from, '.', size_t(end - from));
    return hit ? static_cast<const char*>(hit) - data : -1;
}

void storeLine(TermStore& store, const char* data, Span line)
{
    const qsizetype end = line.offset + line.length;
    const qsizetype dot = findDot(data, line.offset, end);
    Span head{line.offset, (dot < 0 ? end : dot) - line.offset};

    if (head.length > 2) {
        // The final-n check looks at the untrimmed head: "term n" and "termn" both lose it.
        if (data[head.offset + head.length - 1] == 'n')
            --head.length;
        store.append(line, trimSpaces(data, head));
        return;
    }
    if (dot < 0) {
        // A short head without a full stop is outside the format; keep its head as the term.
        store.append(line, trimSpaces(data, head));
        return;
    }
    const qsizetype secondEnd = findDot(data, dot + 1, end);
    const Span second{dot + 1, (secondEnd < 0 ? end : secondEnd) - (dot + 1)};
    const Span h = trimSpaces(data, head);
    const Span s = trimSpaces(data, second);
    QByteArray term;
    term.reserve(h.length + 1 + s.length);
    term.append(data + h.offset, h.length).append('.').append(data + s.offset, s.length);
    store.appendComposed(line, term);
}

void splitLines(TermStore& store)
{
    const QByteArrayView text = store.text();
    const char* data = text.data();
    const qsizetype size = text.size();
    bool leadInPending = true;

    qsizetype pos = 0;
    while (pos < size) {
        const qsizetype end = LineEnd::find(data, pos, size);
        Span line{pos, end - pos};
        // CR LF is one terminator; a CR alone or an LF alone each end a line too.
        pos = end + ((end + 1 < size && data[end] == '\r' && data[end + 1] == '\n') ? 2 : 1);

        if (isBlank(data, line))
            continue;
        if (leadInPending) {
            leadInPending = false;
            const qsizetype cut = std::min<qsizetype>(2, line.length);
            line.offset += cut;
            line.length -= cut;
            if (line.length == 0)
                continue; // the lead-in stood on a line of its own
        }
        storeLine(store, data, line);
    }
}

// One byte of headroom lets the read that finds the end happen without growing the buffer.
qsizetype readCapacity(qint64 fileSize)
{
    return qsizetype(fileSize) + 1;
}

} // namespace

TermStore DictionaryLoader::parse(QByteArrayView bytes)
{
    // Callers hand in what a file of at most TermStore::MaxTextSize bytes holds.
    TermStore store;
    if (!bytes.isEmpty()) // an empty view may have no data pointer at all
        memcpy(store.textBuffer(bytes.size()), bytes.data(), size_t(bytes.size()));
    store.setTextSize(bytes.size());
    splitLines(store);
    return store;
}

DictionaryLoader::Result DictionaryLoader::loadDevice(QIODevice& device, const QString& name,
                                                      PageBuffer memory)
{
    Result result;
    const auto fail = [&result, &name](const QString& why) {
        result.store = TermStore();
        result.error = QStringLiteral("Cannot read %1: %2").arg(name, why);
    };
    const QString tooLarge = QStringLiteral("the file is larger than the 4 GiB that a dictionary "
                                            "may hold");
    if (!device.isSequential() && device.size() > TermStore::MaxTextSize) {
        fail(tooLarge);
        return result;
    }
    TermStore& store = result.store;
    store.useTextMemory(std::move(memory));
    qsizetype capacity = device.isSequential() ? (1 << 16) : readCapacity(device.size());
    char* buffer = store.textBuffer(capacity);
    qsizetype used = 0;
    for (;;) {
        if (used == capacity) {
            capacity *= 2;
            buffer = store.textBuffer(capacity);
        }
        const qint64 n = device.read(buffer + used, capacity - used);
        if (n < 0) {
            fail(device.errorString());
            return result;
        }
        if (n == 0)
            break;
        used += n;
        if (used > TermStore::MaxTextSize) {
            fail(tooLarge); // a pipe, or a file that grew while it was read
            return result;
        }
    }
    store.setTextSize(used);
    splitLines(store);
    return result;
}

DictionaryLoader::Result DictionaryLoader::loadFile(const QString& path, ReadAhead ahead)
{
    if (ahead.bytes >= 0) {
        Result result;
        result.store.useTextMemory(std::move(ahead.memory));
        result.store.setTextSize(ahead.bytes);
        splitLines(result.store);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Result result;
        result.error = QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
        return result;
    }
    return loadDevice(file, path, std::move(ahead.memory));
}

DictionaryLoader::Result DictionaryLoader::loadFile(const QString& path)
{
    return loadFile(path, ReadAhead());
}

DictionaryLoader::ReadAhead DictionaryLoader::readAhead(const QString& path)
{
    ReadAhead ahead;
    QFile file(path);
    // Never more than a load would take: a file too large is refused before it is read.
    if (!QFileInfo(file).isFile() || file.size() > TermStore::MaxTextSize ||
        !file.open(QIODevice::ReadOnly))
        return ahead;
    try {
        ahead.memory = PageBuffer(size_t(readCapacity(file.size())));
    } catch (const std::bad_alloc&) {
        return ahead; // the load will ask again, and say so if there is still none
    }
    const qint64 room = qint64(std::min(ahead.memory.capacity(), size_t(TermStore::MaxTextSize)));
    qint64 used = 0;
    while (used < room) {
        const qint64 n = file.read(ahead.memory.data() + used, room - used);
        if (n < 0)
            return ahead; // the load reads again, and says why if it fails too
        if (n == 0) {
            ahead.bytes = used;
            return ahead;
        }
        used += n;
    }
    return ahead; // the file grew while it was read: the load reads it again
}
