#pragma once

#include "PinoutRowParser.h"

namespace kelvane {

// The plain tab layout: number, group key and name in the first three tab-separated
// columns, taken as they stand except for the name's trailing blank.
class TabRowParser : public PinoutRowParser {
public:
    bool endsRows(std::u16string_view line) const override;
    PinRow parse(std::u16string_view line) override;
};

}  // namespace kelvane
