#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QWidget;

namespace Fixture {

// Writes bytes to a file exactly as given.
bool writeFile(const QString& path, const QByteArray& bytes);

// count entry lines, the i-th "<prefix><i><rest>" with i padded with zeros to width digits and
// each "%1" in rest standing for i, each ending in CR LF.
QByteArray numberedLines(const QByteArray& prefix, int count, const QByteArray& rest = " n.x",
                         int width = 0);

// Runs `handle` on the next modal window that comes up (a message box), from a timer, since the
// code under test blocks inside the box's own event loop.
void onNextModal(std::function<void(QWidget*)> handle);

inline const QByteArray SmallDictionary = "\x01\x02ROUTER n.A device that forwards packets.\r\n"
                                          "router .Lower case router.\r\n"
                                          "RAM.Random Access Memory.\r\n"
                                          "\r\n"
                                          "hardware.The physical parts.\r\n"
                                          "hard disk.A storage device.\r\n"
                                          "IP. Internet Protocol .The protocol.\r\n"
                                          "Caf\xe9.A place.\r\n"
                                          "<b> tag n.The <b> element\r\n";

} // namespace Fixture
