#pragma once

#include <functional>

class ClipboardOwner;

// Ends the program. The real one does not come back; a test hands in one that records the call.
using ProgramEnd = std::function<void(int exitCode)>;

namespace ProgramEnds {
// Ends the process, whatever is on the stack (a filter pass's event run included), once the
// clipboard has handed the program's copy over: at once, or, where the desktop is still fetching
// it, from the event loop soon after, the windows hidden meanwhile. A second call does nothing.
ProgramEnd immediate(ClipboardOwner& clipboard);
} // namespace ProgramEnds
