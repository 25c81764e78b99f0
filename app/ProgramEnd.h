#pragma once

#include <functional>

// Ends the program. The real one never returns; a test hands in one that records the call.
using ProgramEnd = std::function<void(int exitCode)>;

namespace ProgramEnds {
// Ends the process at once: no further procedure of the program runs, whatever is on the stack
// (a click inside a filter pass's event run included). Text the program copied stays on the
// clipboard. Made once the application object exists.
ProgramEnd immediate();
} // namespace ProgramEnds
