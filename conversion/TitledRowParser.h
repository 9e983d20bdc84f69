#pragma once

#include "PinoutRowParser.h"

namespace kelvane {

// The layouts that open with a title row end their pins alike: at a line of
// padding only, or at the footer.
class TitledRowParser : public PinoutRowParser {
public:
    bool endsRows(std::u16string_view line) const final;
};

}  // namespace kelvane
