#include "ui/Labels.h"

#include <QLabel>

namespace Labels {

QFont font(const QString& family, double points, bool bold)
{
    QFont result(family);
    result.setPointSizeF(points);
    result.setBold(bold);
    return result;
}

QFont arial(double points, bool bold)
{
    return font(QStringLiteral("Arial"), points, bold);
}

QLabel* create(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
               const QFont& font, const QColor& color, Qt::Alignment alignment, bool wrap)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setWordWrap(wrap);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setFocusPolicy(Qt::NoFocus);
    // A single line wider than its box (our font's metrics are not quite Arial's) is shown whole
    // rather than cut off; the box grows on the side away from its alignment. A wrapped label's
    // size hint is never needed, and laying its text out at several widths is costly.
    if (wrap)
        return label;
    const int needed = label->sizeHint().width();
    if (needed > geometry.width()) {
        const int grow = needed - geometry.width();
        const int shift = alignment & Qt::AlignHCenter ? grow / 2 : 0;
        label->setGeometry(geometry.adjusted(-shift, 0, grow - shift, 0));
    }
    return label;
}

} // namespace Labels
