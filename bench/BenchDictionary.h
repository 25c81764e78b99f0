#pragma once

#include <QByteArray>
#include <QString>

// Synthetic dictionaries for the benchmarks: about 100 bytes a line, CR LF, a lead-in, terms
// spread over the alphabet so that prefixes of one to three letters select realistic shares.
namespace BenchDictionary {

QByteArray generate(qsizetype entries);
bool writeFile(const QString& path, qsizetype entries);
qint64 residentKiB(const char* field); // "VmRSS" or "VmHWM" of this process
void print(const QString& name, double value, const char* unit);

} // namespace BenchDictionary
