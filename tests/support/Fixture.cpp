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
