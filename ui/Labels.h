#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The windows' plain captions: transparent, drawn on the window's picture, taking no focus.
namespace Labels {

QFont font(const QString& family, double points, bool bold = false);
QFont arial(double points, bool bold = false);
QLabel* create(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
               const QFont& font, const QColor& color, Qt::Alignment alignment = Qt::AlignLeft,
               bool wrap = false);

} // namespace Labels
