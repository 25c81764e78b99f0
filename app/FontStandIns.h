#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// The installed families that stand in for the families the windows ask for but that are not
// installed (Liberation Sans for Arial, say), as fontconfig chooses them. Named to Qt, they spare
// it sorting every installed font to find a fallback, once per family, before the first text.
namespace FontStandIns {

// Each asked family that is not installed, with the installed family fontconfig puts in its place.
QList<std::pair<QString, QString>> resolve(const QStringList& families);
// Has Qt draw each asked family in its stand-in; where a family is installed, nothing changes.
void install(const QStringList& families);

} // namespace FontStandIns
