#include "tests/support/Fixture.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

namespace Fixture {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray numberedLines(const QByteArray& prefix, int count, const QByteArray& rest, int width)
{
    QByteArray lines;
    for (int i = 0; i < count; ++i) {
        const QByteArray number = QByteArray::number(i).rightJustified(width, '0');
        lines += prefix + number + QByteArray(rest).replace("%1", number) + "\r\n";
    }
    return lines;
}

void onNextModal(std::function<void(QWidget*)> handle)
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

} // namespace Fixture
