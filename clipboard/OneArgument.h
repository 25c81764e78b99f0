#pragma once

#include <string_view>

// wl-copy is given the text as one argument: given on standard input, it would keep it in a file.
// One argument holds less than the kernel's MAX_ARG_STRLEN, its closing NUL included, and no NUL
// of its own; a text that does not fit is not handed over rather than cut short.
namespace OneArgument {

inline bool fits(std::string_view utf8)
{
    constexpr size_t MaxArgStrlen = 32 * 4096;
    return utf8.size() < MaxArgStrlen && utf8.find('\0') == std::string_view::npos;
}

} // namespace OneArgument
