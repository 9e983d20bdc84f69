#include "PinoutText.h"

namespace kelvane {

std::u16string_view trimBlanks(std::u16string_view text)
{
    const auto first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos)
        return {};
    const auto last = text.find_last_not_of(u" \t");
    return text.substr(first, last - first + 1);
}

bool isFillerLine(std::u16string_view line)
{
    return line.find_first_not_of(u" \t,") == std::u16string_view::npos;
}

}  // namespace kelvane
