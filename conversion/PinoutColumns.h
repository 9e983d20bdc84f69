#pragma once

#include <string_view>

namespace kelvane {

// The three columns of a tab-separated pinout line that the conversion uses;
// a column the line doesn't have is empty, and blanks stay part of a column.
struct PinoutColumns {
    std::u16string_view number;
    std::u16string_view groupKey;
    std::u16string_view name;
};

PinoutColumns splitColumns(std::u16string_view line);

}  // namespace kelvane
