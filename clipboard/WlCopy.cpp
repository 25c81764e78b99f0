#include "clipboard/WlCopy.h"

#include "clipboard/OneArgument.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <linux/close_range.h>
#include <unistd.h>

WlCopy::WlCopy(QString program, QObject* parent) : QObject(parent), m_program(std::move(program)) {}

QString WlCopy::find()
{
    return QStandardPaths::findExecutable(QStringLiteral("wl-copy"));
}

bool WlCopy::knowsExtDataControl(const QString& program)
{
    QProcess version;
    version.start(program, {QStringLiteral("--version")}); // "wl-clipboard 2.3.0", and more lines
    version.waitForFinished(1000);
    const QRegularExpressionMatch number =
        QRegularExpression(QStringLiteral("^wl-clipboard (\\d+)\\.(\\d+)"))
            .match(QString::fromUtf8(version.readAllStandardOutput()));
    return number.hasMatch() &&
           std::pair(number.captured(1).toInt(), number.captured(2).toInt()) >= std::pair(2, 3);
}

bool WlCopy::keep(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (!OneArgument::fits({utf8.constData(), size_t(utf8.size())}))
        return false;
    m_next = text;
    if (m_running)
        m_running->terminate(); // the next starts once it has gone
    else
        startNext();
    return true;
}

void WlCopy::finish()
{
    constexpr int MostForEnd = 1000; // ms: wl-copy ends at once on SIGTERM
    if (m_running && m_next)
        m_running->waitForFinished(MostForEnd);
}

void WlCopy::stop()
{
    m_next.reset();
    if (m_running)
        m_running->terminate();
}

std::optional<QString> WlCopy::kept() const
{
    return m_next ? m_next : m_running ? std::optional(m_runningText) : std::nullopt;
}

void WlCopy::startNext()
{
    if (!m_next)
        return;
    auto* process = new QProcess(this);
    process->setProgram(m_program);
    process->setArguments({QStringLiteral("--foreground"), QStringLiteral("--"), *m_next});
    m_runningText = *std::exchange(m_next, std::nullopt);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    // In a session of its own, so that a terminal's hang-up does not reach it, and holding nothing
    // of the program's open once it runs.
    process->setChildProcessModifier([] {
        setsid();
        close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    });
    connect(process, &QProcess::finished, this, [this, process] { ended(process); });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended(process);
    });
    m_running = process;
    process->start();
}

void WlCopy::ended(QProcess* process)
{
    process->deleteLater();
    if (m_running != process)
        return;
    m_running = nullptr;
    startNext();
}
