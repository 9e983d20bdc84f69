#include "CsvField.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kelvane {
namespace {

constexpr bool forcesQuotes(char16_t c) { return c == u',' || c == u'"' || c == u'\r'; }

}  // namespace

char16_t* writeCsvField(char16_t* out, std::u16string_view field)
{
    // Copied as is while looking: quoting is rare.
    const char16_t* const in = field.data();
    const std::size_t size = field.size();
    std::size_t done = 0;
    bool forcing = false;
#if defined(__SSE2__)
    const __m128i comma = _mm_set1_epi16(u',');
    const __m128i quote = _mm_set1_epi16(u'"');
    const __m128i cr = _mm_set1_epi16(u'\r');
    __m128i hits = _mm_setzero_si128();
    for (; done + 8 <= size; done += 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + done));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done), block);
        hits = _mm_or_si128(hits, _mm_or_si128(_mm_cmpeq_epi16(block, comma),
            _mm_or_si128(_mm_cmpeq_epi16(block, quote), _mm_cmpeq_epi16(block, cr))));
    }
    forcing = _mm_movemask_epi8(hits) != 0;
#endif
    for (; done < size; ++done) {
        out[done] = in[done];
        forcing |= forcesQuotes(in[done]);
    }
    if (!forcing)
        return out + size;

    *out++ = u'"';
    for (const char16_t c : field) {
        if (c == u'"')
            *out++ = u'"';
        *out++ = c;
    }
    *out++ = u'"';
    return out;
}

}  // namespace kelvane
