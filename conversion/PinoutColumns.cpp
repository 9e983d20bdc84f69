#include "PinoutColumns.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kelvane {
namespace {

constexpr std::size_t kColumns = 3;

// Positions of the first tabs of the line, at most kColumns of them; returns how many.
std::size_t findTabs(const char16_t* data, std::size_t size, std::size_t (&tabs)[kColumns])
{
    std::size_t found = 0;
    std::size_t at = 0;
#if defined(__SSE2__)
    const __m128i tab = _mm_set1_epi16(u'\t');
    for (; at + 8 <= size; at += 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        // Two mask bits per character.
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(block, tab)));
        for (; mask != 0; mask &= mask - 1, mask &= mask - 1) {
            tabs[found++] = at + static_cast<std::size_t>(__builtin_ctz(mask)) / 2;
            if (found == kColumns)
                return found;
        }
    }
#endif
    for (; at < size; ++at) {
        if (data[at] == u'\t') {
            tabs[found++] = at;
            if (found == kColumns)
                return found;
        }
    }
    return found;
}

}  // namespace

PinoutColumns splitColumns(std::u16string_view line)
{
    // The rest of the line after the third tab is never looked at.
    std::size_t tabs[kColumns];
    const std::size_t found = findTabs(line.data(), line.size(), tabs);
    const auto column = [&](std::size_t index) {
        if (index > found)
            return std::u16string_view();
        const std::size_t start = index == 0 ? 0 : tabs[index - 1] + 1;
        const std::size_t stop = index < found ? tabs[index] : line.size();
        return line.substr(start, stop - start);
    };
    return PinoutColumns{column(0), column(1), column(2)};
}

}  // namespace kelvane
