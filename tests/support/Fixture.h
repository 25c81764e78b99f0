#pragma once

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace Fixture {

// Writes bytes to a file exactly as given.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs `handle` on the next modal window that comes up (a message box), from a timer, since the
// code under test blocks inside the box's own event loop.
inline void onNextModal(std::function<void(QWidget*)> handle)
{
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, handle] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            handle(modal);
        }
    });
    poll->start();
}

inline const QByteArray SmallDictionary = "\x01\x02ROUTER n.A device that forwards packets.\r\n"
                                          "router .Lower case router.\r\n"
                                          "RAM.Random Access Memory.\r\n"
                                          "\r\n"
                                          "hardware.The physical parts.\r\n"
                                          "hard disk.A storage device.\r\n"
                                          "IP. Internet Protocol .The protocol.\r\n"
                                          "Caf\xe9.A place.\r\n";

} // namespace Fixture
