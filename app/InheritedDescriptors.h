#pragma once

// Closing what a forked child inherited, with only calls that are safe after a fork in a program
// with threads (no allocation, no locks).
namespace InheritedDescriptors {

// Closes every descriptor but keep, whatever the descriptor limit: glibc's closefrom uses
// close_range, and where that is refused closes what /proc/self/fd lists (where neither can be
// done, it ends the process).
void closeAllBut(int keep);

} // namespace InheritedDescriptors
