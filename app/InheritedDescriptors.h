#pragma once

// Closing what a forked child inherited, with only calls that are safe after a fork in a program
// with threads (no allocation, no locks).
namespace InheritedDescriptors {

// Closes every descriptor but keep, whatever the limit: glibc's closefrom uses close_range, else
// what /proc/self/fd lists, else ends the process.
void closeAllBut(int keep);

} // namespace InheritedDescriptors
