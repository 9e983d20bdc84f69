#include "PinoutColumns.h"

namespace kelvane {

PinoutColumns splitColumns(std::u16string_view line)
{
    // One pass up to the third tab; the rest of the line is never looked at.
    PinoutColumns columns;
    std::u16string_view* const targets[] = {&columns.number, &columns.groupKey, &columns.name};
    const char16_t* const data = line.data();
    const std::size_t size = line.size();
    std::size_t start = 0;
    for (auto* target : targets) {
        if (start > size)
            break;
        std::size_t stop = start;
        while (stop < size && data[stop] != u'\t')
            ++stop;
        *target = std::u16string_view(data + start, stop - start);
        start = stop + 1;
    }
    return columns;
}

}  // namespace kelvane
