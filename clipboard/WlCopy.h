#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QProcess;

// Keeps copies on a Wayland clipboard through wl-copy, a child of the program that serves one text
// until another program copies and goes on after the program has ended. One runs at a time: the
// one before is ended, and reaped, before the next starts, so the last copy wins however fast two
// come.
class WlCopy : public QObject
{
    Q_OBJECT

public:
    explicit WlCopy(QString program, QObject* parent = nullptr);
    // Where wl-copy lies, or an empty string.
    static QString find();
    // Whether the wl-copy at program knows ext-data-control (wl-clipboard 2.3 and later).
    static bool knowsExtDataControl(const QString& program);

    // Whether the text will be kept: not one that one argument cannot carry whole.
    bool keep(const QString& text);
    // The last text's wl-copy started, for an end that comes now: waits for the one before to go.
    void finish();
    // Ends the running wl-copy, for an end where the desktop keeps the text.
    void stop();
    // The text a wl-copy serves or is about to: none once another program has copied.
    std::optional<QString> kept() const;

private:
    void startNext();
    void ended(QProcess* process);

    QString m_program;
    QProcess* m_running = nullptr;
    QString m_runningText;
    std::optional<QString> m_next;
};
