#pragma once

#include <QtGlobal>
#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace LineEnd {

// The first CR or LF at or after pos, or size: one pass finds either kind of line end, where two
// memchr calls would read a line twice, or read on to the file's end for a byte it never has.
inline qsizetype find(const char* data, qsizetype pos, qsizetype size)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const auto ends = [&](qsizetype at) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        return _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf));
    };
    for (; pos + 32 <= size; pos += 32) {
        const unsigned low = unsigned(_mm_movemask_epi8(ends(pos)));
        const unsigned high = unsigned(_mm_movemask_epi8(ends(pos + 16)));
        if (const unsigned mask = low | high << 16)
            return pos + std::countr_zero(mask);
    }
#endif
    while (pos < size && data[pos] != '\r' && data[pos] != '\n')
        ++pos;
    return pos;
}

} // namespace LineEnd
