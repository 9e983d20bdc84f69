#pragma once

#include <string_view>

namespace kelvane {

// Small text tests shared by the pinout layouts.

// The text without the blanks (and tabs) around it.
std::u16string_view trimBlanks(std::u16string_view text);

// True for a line that holds nothing but blanks, tabs and commas: the padding
// and separator lines of the titled layouts, and their end of rows.
bool isFillerLine(std::u16string_view line);

}  // namespace kelvane
