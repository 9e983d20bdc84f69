#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kelvane {

// The pin total that a footer line such as "Total Number of Pins generated, 676"
// or "Total Number of Pins,676" states; nothing for any other line.
std::optional<std::int64_t> statedPinTotal(std::u16string_view line);

// True for a line that starts the footer, wherever the rows happen to stop.
bool isFooterLine(std::u16string_view line);

}  // namespace kelvane
