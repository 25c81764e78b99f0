#include "app/ProgramEnd.h"

#include "clipboard/ClipboardOwner.h"

#include <cstdio>
#include <cstdlib>

namespace ProgramEnds {

ProgramEnd immediate(ClipboardOwner& clipboard)
{
    return [&clipboard](int exitCode) {
        // _Exit runs no destructor, so Qt's own hand-over of the clipboard to a manager, made as
        // the application object goes, never runs: the clipboard's owner stands in for it.
        clipboard.handOver([exitCode] {
            std::fflush(nullptr);
            std::_Exit(exitCode);
        });
    };
}

} // namespace ProgramEnds
