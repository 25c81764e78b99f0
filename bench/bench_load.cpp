// Loader speed and memory. Usage: bench_load generate <entries> <file> | bench_load load <file>
// <name>
#include "BenchDictionary.h"
#include "dictionary/Module1.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    const QStringList args = [&] {
        QStringList a;
        for (int i = 1; i < argc; ++i)
            a << QString::fromLocal8Bit(argv[i]);
        return a;
    }();
    if (args.size() == 3 && args[0] == "generate")
        return BenchDictionary::writeFile(args[2], args[1].toLongLong()) ? 0 : 1;
    if (args.size() != 3 || args[0] != "load") {
        std::fprintf(stderr, "usage: bench_load generate <entries> <file> | load <file> <name>\n");
        return 2;
    }

    const QString name = args[2];
    const double fileMB = double(QFileInfo(args[1]).size()) / 1e6;
    const qint64 baseKiB = BenchDictionary::residentKiB("VmRSS");

    std::vector<double> ms;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const DictionaryLoader::Result outcome = Module1::LoadDictionary(args[1]);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!outcome.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(outcome.error));
            return 1;
        }
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    const double peakMB = double(BenchDictionary::residentKiB("VmHWM") - baseKiB) * 1024 / 1e6;
    BenchDictionary::print(name, median, "ms");
    BenchDictionary::print(name + "_mbps", fileMB / (median / 1000), "MB/s");
    BenchDictionary::print(name + "_rss_ratio", peakMB / fileMB, "x");
    return 0;
}
