#include "app/InheritedDescriptors.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The descriptor a /proc/self/fd entry names; -1 for "." and "..".
int descriptorNamed(const char* name)
{
    if (*name < '0' || *name > '9')
        return -1;
    int fd = 0;
    for (; *name >= '0' && *name <= '9'; ++name)
        fd = fd * 10 + (*name - '0');
    return fd;
}

// One pass over the open descriptors; false when they cannot be listed. getdents64, not readdir,
// since readdir allocates.
bool closeListed(int keep, int* closedCount)
{
    const int dir = open("/proc/self/fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return false;
    alignas(dirent64) char buffer[4096];
    for (;;) {
        const ssize_t size = getdents64(dir, buffer, sizeof buffer);
        if (size <= 0) {
            close(dir);
            return size == 0;
        }
        for (ssize_t at = 0; at < size;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            at += entry->d_reclen;
            const int fd = descriptorNamed(entry->d_name);
            if (fd >= 0 && fd != keep && fd != dir && close(fd) == 0)
                ++*closedCount;
        }
    }
}

} // namespace

namespace InheritedDescriptors {

bool closeAllBut(int keep, CloseRange closeRange)
{
    if (keep < 0)
        return false;
    const bool below = keep == 0 || closeRange(0, unsigned(keep) - 1, 0) == 0;
    if (below && closeRange(unsigned(keep) + 1, ~0u, 0) == 0)
        return true;
    // Passes until one finds nothing left to close.
    for (int pass = 0; pass < 4; ++pass) {
        int closed = 0;
        if (!closeListed(keep, &closed))
            return false;
        if (closed == 0)
            return true;
    }
    return false;
}

} // namespace InheritedDescriptors
