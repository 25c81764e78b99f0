#include "app/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

namespace ProgramEnds {

ProgramEnd immediate()
{
    return [](int exitCode) {
        std::fflush(nullptr);
        std::_Exit(exitCode);
    };
}

} // namespace ProgramEnds
