// Draws Quillary's background picture, splash picture and icon (draw-pictures <folder>), or the
// desktop icons in every size that the package installs (draw-pictures --icons <folder>).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <cstring>

namespace {

// Dark where the white and light grey captions lie (the main window's down to y = 121, the About
// window's "About" at the top), light from y = 140 on, where the About text, "Definition:" and
// the About window's black captions lie. Both windows share this picture.
QImage background()
{
    QImage image(661, 522, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 522);
    sky.setColorAt(0.0, QColor(16, 28, 58));
    sky.setColorAt(100.0 / 522, QColor(30, 52, 96));
    sky.setColorAt(122.0 / 522, QColor(120, 145, 190));
    sky.setColorAt(140.0 / 522, QColor(218, 226, 240));
    sky.setColorAt(0.5, QColor(236, 240, 247));
    sky.setColorAt(1.0, QColor(214, 222, 236));
    p.fillRect(image.rect(), sky);

    // Faint circuit traces in the dark band's right half, where no caption lies.
    p.setPen(QPen(QColor(70, 100, 150, 110), 1.2));
    for (int k = 0; k < 4; ++k) {
        const int y = 22 + 16 * k;
        QPainterPath trace;
        trace.moveTo(420, y);
        trace.lineTo(480 + 12 * k, y);
        trace.lineTo(496 + 12 * k, y + 16);
        trace.lineTo(661, y + 16);
        p.drawPath(trace);
        p.setBrush(QColor(110, 150, 210, 160));
        p.drawEllipse(QPointF(420, y), 2.5, 2.5);
        p.setBrush(Qt::NoBrush);
    }
    QRadialGradient glow(570, 50, 120);
    glow.setColorAt(0, QColor(120, 170, 255, 60));
    glow.setColorAt(1, QColor(120, 170, 255, 0));
    p.fillRect(QRect(400, 0, 261, 100), glow);
    return image;
}

// Light throughout: its captions are black, dark grey and dark red.
QImage splash()
{
    QImage image(382, 265, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 382, 265);
    paper.setColorAt(0, QColor(250, 251, 253));
    paper.setColorAt(1, QColor(222, 229, 240));
    p.fillRect(image.rect(), paper);
    p.fillRect(QRect(0, 0, 382, 52), QColor(30, 52, 96));
    p.setPen(QColor(255, 255, 255));
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(24, 6, 340, 42), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quillary"));
    p.fillRect(QRect(0, 52, 382, 2), QColor(128, 0, 0));
    return image;
}

// A dark page with a white Q and a red bookmark, drawn on a 32 x 32 grid scaled to `size`
// (packaging/quillary.svg is the same drawing).
QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setBrush(QColor(30, 52, 96));
    p.setPen(QPen(QColor(10, 20, 40), 1));
    p.drawRoundedRect(QRectF(2.5, 1.5, 27, 29), 4, 4);
    p.fillRect(QRectF(21, 1.5, 5, 10), QColor(170, 20, 20));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(2, 3, 28, 28), Qt::AlignCenter, QStringLiteral("Q"));
    p.end();
    return image;
}

// The desktop's icons, one PNG per size of the hicolor theme.
bool drawIcons(const QDir& folder)
{
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        if (!icon(size).save(folder.filePath(QStringLiteral("quillary-%1.png").arg(size)), "PNG"))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: draw-pictures <folder> | draw-pictures --icons <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[argc - 1]));
    if (icons) {
        const bool ok = drawIcons(folder);
        if (!ok)
            std::fprintf(stderr, "draw-pictures: cannot write into %s\n", argv[2]);
        return ok ? 0 : 1;
    }
    const bool ok =
        background().save(folder.filePath("background.jpg"), "JPEG", 90) &&
        splash().save(folder.filePath("splash.jpg"), "JPEG", 92) &&
        icon(32).convertToFormat(QImage::Format_Indexed8).save(folder.filePath("icon.png"), "PNG");
    if (!ok)
        std::fprintf(stderr, "draw-pictures: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
