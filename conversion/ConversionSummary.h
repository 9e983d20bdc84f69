#pragma once

#include <cstdint>
#include <optional>

#include "PinoutLayout.h"

namespace kelvane {

// What one successful conversion found in the pinout file.
struct ConversionSummary {
    PinoutLayout layout = PinoutLayout::Tab;
    std::int64_t pins = 0;
    std::int64_t groups = 0;
    // The pin total that the file's footer states, when it has one.
    std::optional<std::int64_t> statedPins;
};

}  // namespace kelvane
