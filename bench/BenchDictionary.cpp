#include "BenchDictionary.h"

#include <QFile>
#include <cstdio>
#include <random>

namespace BenchDictionary {

QByteArray generate(qsizetype entries)
{
    static const char* words[] = {"a",        "program", "that",      "stores",  "data",
                                  "network",  "of",      "computers", "used",    "to",
                                  "transfer", "files",   "between",   "systems", "memory"};
    std::mt19937 rng(42);
    QByteArray out;
    out.reserve(entries * 104 + 2);
    out += "\x01\x02";
    for (qsizetype i = 0; i < entries; ++i) {
        QByteArray line;
        const int letters = 3 + int(rng() % 6);
        for (int k = 0; k < letters; ++k)
            line += char((k == 0 ? 'A' : 'a') + rng() % 26);
        line += QByteArray::number(i % 97);
        line += " n.";
        while (line.size() < 98) {
            line += words[rng() % std::size(words)];
            line += ' ';
        }
        line += ".\r\n";
        out += line;
    }
    return out;
}

bool writeFile(const QString& path, qsizetype entries)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(generate(entries)) >= 0;
}

qint64 residentKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void print(const QString& name, double value, const char* unit)
{
    const bool whole = value == double(qint64(value));
    std::printf("BENCH %s %.*f %s\n", qPrintable(name), whole || value >= 10 ? 0 : 2, value, unit);
    std::fflush(stdout);
}

} // namespace BenchDictionary
