#include "app/ProgramEnd.h"

#include "app/ClipboardHandover.h"

#include <cstdio>
#include <cstdlib>

namespace ProgramEnds {

ProgramEnd immediate()
{
    return [](int exitCode) {
        std::fflush(nullptr);
        ClipboardHandover::beforeEnd();
        std::_Exit(exitCode);
    };
}

} // namespace ProgramEnds
