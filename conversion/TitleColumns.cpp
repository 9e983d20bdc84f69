#include "TitleColumns.h"

#include "PinoutText.h"

namespace kelvane {
namespace {

std::optional<std::size_t> indexOf(const std::vector<std::u16string_view>& titles, std::u16string_view title)
{
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (trimBlanks(titles[i]) == title)
            return i;
    }
    return std::nullopt;
}

}  // namespace

std::optional<TitleColumns> findTitleColumns(const std::vector<std::u16string_view>& titles,
    std::u16string_view nameTitle)
{
    if (titles.empty() || trimBlanks(titles[0]) != u"Pin")
        return std::nullopt;
    const auto bank = indexOf(titles, u"Bank");
    const auto name = indexOf(titles, nameTitle);
    if (!bank || !name)
        return std::nullopt;
    return TitleColumns{0, *bank, *name};
}

}  // namespace kelvane
