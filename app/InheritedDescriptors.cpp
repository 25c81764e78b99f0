#include "app/InheritedDescriptors.h"

#include <sys/resource.h>
#include <unistd.h>

namespace {

// Past this many, closing one by one would keep the child busy for too long.
constexpr rlim_t MostToCloseOneByOne = rlim_t(1) << 16;

} // namespace

namespace InheritedDescriptors {

bool closeAllBut(int keep, CloseRange closeRange)
{
    if (keep < 0)
        return false;
    const bool below = keep == 0 || closeRange(0, unsigned(keep) - 1, 0) == 0;
    if (below && closeRange(unsigned(keep) + 1, ~0u, 0) == 0)
        return true;
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
        limit.rlim_cur > MostToCloseOneByOne)
        return false;
    for (int fd = 0; rlim_t(fd) < limit.rlim_cur; ++fd) {
        if (fd != keep)
            close(fd);
    }
    return true;
}

} // namespace InheritedDescriptors
