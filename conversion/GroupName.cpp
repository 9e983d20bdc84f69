#include "GroupName.h"

#include <algorithm>

namespace kelvane {

namespace {
constexpr std::int64_t kSingleCharacterGroups = 63;
// Group 64 is spreadsheet column 27 (AA).
constexpr std::int64_t kColumnOffset = 37;
}  // namespace

std::u16string groupName(std::int64_t groupNumber)
{
    if (groupNumber <= 0)
        return {};
    if (groupNumber <= kSingleCharacterGroups)
        return std::u16string(1, static_cast<char16_t>(0x40 + groupNumber));

    std::u16string letters;
    for (std::int64_t column = groupNumber - kColumnOffset; column > 0; column = (column - 1) / 26)
        letters.push_back(static_cast<char16_t>(u'A' + (column - 1) % 26));
    std::reverse(letters.begin(), letters.end());
    return letters;
}

}  // namespace kelvane
