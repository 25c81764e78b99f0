#pragma once

#include <QColor>

// The windows' colours, named once.
namespace Colors {
inline const QColor White(255, 255, 255);
inline const QColor Black(0, 0, 0);
inline const QColor DarkGrey(64, 64, 64);
inline const QColor Grey(128, 128, 128);
inline const QColor LightGrey(192, 192, 192);
inline const QColor PanelGrey(224, 224, 224);
inline const QColor DarkRed(128, 0, 0);
} // namespace Colors
