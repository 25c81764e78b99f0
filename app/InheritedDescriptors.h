#pragma once

#include <unistd.h>

// Closing what a forked child inherited, with only calls that are safe after a fork in a program
// with threads (no allocation, no locks).
namespace InheritedDescriptors {

using CloseRange = int (*)(unsigned first, unsigned last, int flags);

// Closes every descriptor but keep; false when that cannot be made sure of, and then the child
// must not go on. close_range first; where it is refused, each descriptor the process has open,
// as /proc/self/fd lists them, whatever the descriptor limit.
bool closeAllBut(int keep, CloseRange closeRange = ::close_range);

} // namespace InheritedDescriptors
