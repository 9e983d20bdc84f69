#pragma once

#include <cstddef>
#include <string_view>

namespace kelvane {

// The most characters writeCsvField writes for a field of fieldSize characters.
constexpr std::size_t csvFieldCapacity(std::size_t fieldSize) { return 2 * fieldSize + 2; }

// Writes the field as is, or, when it holds a comma, a double quote or a CR, as
// one quoted field with its quotes doubled, so the row keeps its six fields.
// out needs room for csvFieldCapacity(field.size()); returns the end of what was written.
char16_t* writeCsvField(char16_t* out, std::u16string_view field);

}  // namespace kelvane
