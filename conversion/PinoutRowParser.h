#pragma once

#include <string_view>

namespace kelvane {

// What one pin row gives the grouping: its number, group key and name, the name
// already in the form to be written.
struct PinRow {
    std::u16string_view number;
    std::u16string_view groupKey;
    std::u16string_view name;
};

// Reads the pin rows of one pinout layout.
class PinoutRowParser {
public:
    virtual ~PinoutRowParser() = default;

    // True for the line after the last pin row.
    virtual bool endsRows(std::u16string_view line) const = 0;
    // The views returned point into line or into the parser, valid until the next call.
    virtual PinRow parse(std::u16string_view line) = 0;
};

}  // namespace kelvane
