#include "dictionary/DictionaryLoader.h"

#include "dictionary/LineEnd.h"

#include <QFile>
#include <algorithm>
#include <cstring>
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

DictionaryLoader::Result cannotRead(const QString& name, const QString& why)
{
    return {{}, QStringLiteral("Cannot read %1: %2").arg(name, why)};
}

DictionaryLoader::Result tooLarge(const QString& name)
{
    return cannotRead(name, QStringLiteral("the file is larger than the 4 GiB that a dictionary "
                                           "may hold"));
}

} // namespace

DictionaryLoader::Result DictionaryLoader::parse(QByteArrayView bytes, const QString& name)
{
    // The store's offsets are 32-bit.
    if (bytes.size() > TermStore::MaxTextSize)
        return tooLarge(name);
    Result result;
    if (!bytes.isEmpty()) // an empty view may have no data pointer at all
        memcpy(result.store.textBuffer(bytes.size()), bytes.data(), size_t(bytes.size()));
    result.store.setTextSize(bytes.size());
    splitLines(result.store);
    return result;
}

DictionaryLoader::Result DictionaryLoader::loadDevice(QIODevice& device, const QString& name)
{
    if (!device.isSequential() && device.size() > TermStore::MaxTextSize)
        return tooLarge(name);
    Result result;
    TermStore& store = result.store;
    // One byte of headroom lets the read that finds the end happen without growing the buffer.
    qsizetype capacity = device.isSequential() ? (1 << 16) : qsizetype(device.size()) + 1;
    char* buffer = store.textBuffer(capacity);
    qsizetype used = 0;
    for (;;) {
        if (used == capacity) {
            capacity *= 2;
            buffer = store.textBuffer(capacity);
        }
        const qint64 n = device.read(buffer + used, capacity - used);
        if (n < 0)
            return cannotRead(name, device.errorString());
        if (n == 0)
            break;
        used += n;
        if (used > TermStore::MaxTextSize) // a pipe, or a file that grew while it was read
            return tooLarge(name);
    }
    store.setTextSize(used);
    splitLines(store);
    return result;
}

DictionaryLoader::Result DictionaryLoader::loadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("Cannot open %1: %2").arg(path, file.errorString())};
    return loadDevice(file, path); // the file is closed as it goes out of scope
}
