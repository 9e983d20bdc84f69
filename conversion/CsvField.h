#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// Appends the field as is, or, when it holds a comma, a double quote or a CR,
// as one quoted field with its quotes doubled, so the row keeps its six fields.
void appendCsvField(std::u16string& row, std::u16string_view field);

}  // namespace kelvane
