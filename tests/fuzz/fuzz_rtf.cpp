// Fuzz target: any bytes as the panel's first document. Reading must end, and never crash.
#include "ui/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QTextDocument document;
    RtfReader::read(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), document);
    return 0;
}
