// Unpacks a picture to raw pixels for the program's resources, at build time, so that the program
// shows it without loading an image decoder: unpack-picture IN OUT. OUT holds the width and height
// as 32-bit little-endian numbers, then the pixels, row by row, as 32-bit little-endian 0xAARRGGBB
// values, whatever the byte order of the machine that builds it.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: unpack-picture IN OUT\n");
        return 2;
    }
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "unpack-picture: cannot turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    const quint32 size[2] = {qToLittleEndian(quint32(image.width())),
                             qToLittleEndian(quint32(image.height()))};
    out.write(reinterpret_cast<const char*>(size), sizeof size);
    QByteArray row(image.width() * 4, Qt::Uninitialized);
    for (int y = 0; y < image.height(); ++y) {
        qToLittleEndian<quint32>(image.constScanLine(y), image.width(), row.data());
        out.write(row);
    }
    return out.error() == QFile::NoError ? 0 : 1;
}
