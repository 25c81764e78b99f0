#include "clipboard/KeeperLaunch.h"

#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace {

// In a session of its own, its standard input and output the two pipes, nothing else of the
// program's open. It execs: nothing of the program's memory comes with it.
pid_t spawn(const QByteArray& path, char* const argv[], int input, int output)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input, 0);
    posix_spawn_file_actions_adddup2(&actions, output, 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    if (posix_spawn(&pid, path.constData(), &actions, &attributes, argv, environ) != 0)
        pid = -1;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0)
            return false;
        done += n;
    }
    return true;
}

// Whether the keeper said, in time, that the clipboard is its own.
bool taken(int fd)
{
    constexpr int MostForTakeOver = 2000; // ms: it connects to the server and asks three things
    pollfd ready{fd, POLLIN, 0};
    char byte = 0;
    return poll(&ready, 1, MostForTakeOver) == 1 && read(fd, &byte, 1) == 1;
}

} // namespace

KeeperLaunch::KeeperLaunch(const QString& program, uint32_t base, uint32_t mask)
{
    int input[2], output[2];
    if (pipe2(input, O_CLOEXEC) != 0)
        return;
    if (pipe2(output, O_CLOEXEC) != 0) {
        close(input[0]);
        close(input[1]);
        return;
    }
    const QByteArray path = QFile::encodeName(program);
    const QByteArray baseArgument = QByteArray::number(base),
                     maskArgument = QByteArray::number(mask);
    char* argv[] = {const_cast<char*>("quillary-clip"), const_cast<char*>(baseArgument.constData()),
                    const_cast<char*>(maskArgument.constData()), nullptr};
    m_pid = spawn(path, argv, input[0], output[1]);
    close(input[0]);
    close(output[1]);
    m_input = input[1];
    m_output = output[0];
}

KeeperLaunch::~KeeperLaunch()
{
    if (m_input >= 0)
        close(m_input);
    if (m_output >= 0)
        close(m_output);
}

bool KeeperLaunch::handOver(const QString& text)
{
    if (m_input < 0)
        return false;
    std::signal(SIGPIPE, SIG_IGN);
    const bool given = m_pid > 0 && writeAll(m_input, text.toUtf8());
    close(std::exchange(m_input, -1));
    const bool kept = given && taken(m_output);
    if (m_pid > 0 && !kept)
        waitpid(m_pid, nullptr, WNOHANG);
    return kept;
}
