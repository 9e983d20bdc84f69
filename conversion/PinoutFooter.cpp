#include "PinoutFooter.h"

#include <limits>

namespace kelvane {
namespace {

constexpr std::u16string_view kFooterStart = u"Total Number of Pins";

std::u16string_view withoutLeadingSeparators(std::u16string_view line)
{
    const auto first = line.find_first_not_of(u" \t,");
    return first == std::u16string_view::npos ? std::u16string_view() : line.substr(first);
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

bool isFooterLine(std::u16string_view line)
{
    return withoutLeadingSeparators(line).starts_with(kFooterStart);
}

std::optional<std::int64_t> statedPinTotal(std::u16string_view line)
{
    line = withoutLeadingSeparators(line);
    if (!line.starts_with(kFooterStart))
        return std::nullopt;
    std::size_t pos = kFooterStart.size();
    while (pos < line.size() && !isDigit(line[pos]))
        ++pos;
    if (pos == line.size())
        return std::nullopt;

    std::int64_t total = 0;
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    for (; pos < line.size() && isDigit(line[pos]); ++pos) {
        const int digit = line[pos] - u'0';
        if (total > (kMax - digit) / 10)
            return std::nullopt;
        total = total * 10 + digit;
    }
    // "Total Number of Pins 676 (of 900)" or the like is not a total we can trust.
    if (line.substr(pos).find_first_not_of(u" \t,") != std::u16string_view::npos)
        return std::nullopt;
    return total;
}

}  // namespace kelvane
