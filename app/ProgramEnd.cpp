#include "app/ProgramEnd.h"

#include "app/ClipboardHandover.h"

#include <cstdio>
#include <cstdlib>

namespace ProgramEnds {

ProgramEnd immediate()
{
    return [](int exitCode) {
        std::fflush(nullptr);
        // _Exit runs no destructor, so Qt's own hand-over of the clipboard to a manager, made as
        // the application object goes, never runs: this one stands in for it.
        ClipboardHandover::beforeEnd();
        std::_Exit(exitCode);
    };
}

} // namespace ProgramEnds
