#include "app/ProgramEnd.h"

#include "app/ClipboardHandover.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace ProgramEnds {

ProgramEnd immediate()
{
    auto handover = std::make_shared<ClipboardHandover>();
    return [handover](int exitCode) {
        std::fflush(nullptr);
        // _Exit runs no destructor, so Qt's own hand-over of the clipboard to a manager, made as
        // the application object goes, never runs: this one stands in for it.
        handover->beforeEnd();
        std::_Exit(exitCode);
    };
}

} // namespace ProgramEnds
