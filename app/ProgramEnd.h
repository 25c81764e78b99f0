#pragma once

#include <functional>

// Ends the program. The real one never returns; a test hands in one that records the call.
using ProgramEnd = std::function<void(int exitCode)>;

namespace ProgramEnds {
// Ends the process at once, whatever is on the stack (a filter pass's event run included); a text
// the program copied stays on the clipboard. Made once the application object exists.
ProgramEnd immediate();
} // namespace ProgramEnds
