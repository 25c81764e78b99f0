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
    // Bytes up to CR are few in text: one comparison finds them, and each is then looked at.
    const __m128i cr = _mm_set1_epi8('\r');
    for (; pos + 16 <= size; pos += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
        for (auto low = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(bytes, cr), bytes)));
             low != 0; low &= low - 1) {
            const qsizetype at = pos + std::countr_zero(low);
            if (data[at] == '\r' || data[at] == '\n')
                return at;
        }
    }
#endif
    while (pos < size && data[pos] != '\r' && data[pos] != '\n')
        ++pos;
    return pos;
}

} // namespace LineEnd
