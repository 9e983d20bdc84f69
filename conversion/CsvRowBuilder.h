#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvane {

// Builds the CSV row of one pin: "Gate-" and the group, number, name,
// "Undefined", "0" and the sequence number, ending in CR LF. The row is built
// in place in a buffer kept from row to row, so that a row costs no allocation
// once the buffer has grown to the longest row.
class CsvRowBuilder {
public:
    // The row's text, valid until the next call.
    std::u16string_view build(std::u16string_view group, std::u16string_view number, std::u16string_view name,
        std::int64_t sequence);

private:
    std::u16string buffer_;
};

}  // namespace kelvane
