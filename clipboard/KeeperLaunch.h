#pragma once

#include <QString>
#include <cstdint>

// Starts quillary-clip, which keeps a text on the X clipboard after the program has ended.
namespace KeeperLaunch {

// Hands text to the keeper at program (the clipboard's present owner must be the X client whose
// resource ids are base | (id & mask)); returns once the clipboard is the keeper's (true), or once
// the keeper has given up or not answered in time (false). The program ends soon after: a keeper
// that goes away early cannot end it through a broken pipe.
bool handOver(const QString& program, const QString& text, uint32_t base, uint32_t mask);

} // namespace KeeperLaunch
