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

// Closes what /proc/self/fd lists, in one pass (it lists descriptors in order, and nothing opens
// one meanwhile); false when they cannot be listed. getdents64, not readdir, which allocates.
bool closeListed(int keep)
{
    const int dir = open("/proc/self/fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return false;
    alignas(dirent64) char buffer[4096];
    ssize_t size = 0;
    while ((size = getdents64(dir, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < size;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            at += entry->d_reclen;
            const int fd = descriptorNamed(entry->d_name);
            if (fd >= 0 && fd != keep && fd != dir)
                close(fd);
        }
    }
    close(dir);
    return size == 0;
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
    return closeListed(keep);
}

} // namespace InheritedDescriptors
