#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace kelvane {

// Where the pin number, the bank and the pin name stand in a titled layout.
struct TitleColumns {
    std::size_t pin;
    std::size_t bank;
    std::size_t name;
};

// The columns of a title row whose first title is "Pin" and which holds "Bank"
// and nameTitle; titles are compared with their blanks trimmed.
std::optional<TitleColumns> findTitleColumns(const std::vector<std::u16string_view>& titles,
    std::u16string_view nameTitle);

}  // namespace kelvane
