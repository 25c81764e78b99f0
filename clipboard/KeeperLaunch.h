#pragma once

#include <QString>
#include <cstdint>
#include <sys/types.h>

// quillary-clip, which keeps a text on the X clipboard after the program has ended. It is started
// at the program's first copy and waits, connected to the X server, for the text: Exit then pays
// for no exec and no dynamic loading. Given no text (the pipe closed), it ends.
class KeeperLaunch
{
public:
    // program: where quillary-clip lies. The clipboard's owner at the end must be the X client
    // whose resource ids are base | (id & mask), the program itself.
    KeeperLaunch(const QString& program, uint32_t base, uint32_t mask);
    ~KeeperLaunch();
    KeeperLaunch(const KeeperLaunch&) = delete;
    KeeperLaunch& operator=(const KeeperLaunch&) = delete;

    // Hands text to the keeper; returns once the clipboard is the keeper's (true), or once the
    // keeper has given up or not answered in time (false). The program ends soon after: a keeper
    // that goes away early cannot end it through a broken pipe.
    bool handOver(const QString& text);

private:
    pid_t m_pid = -1;
    int m_input = -1, m_output = -1;
};
