#pragma once

#include <string_view>

#include "TitledRowParser.h"
#include "TitleColumns.h"

namespace kelvane {

// The tab layout that opens with a title row "Pin, Bank, ..., Pin Description"
// (tab-separated); the columns are found by their titles.
class TitledTabRowParser : public TitledRowParser {
public:
    static bool recognises(std::u16string_view titleRow);
    // titleRow must be one that recognises accepts.
    explicit TitledTabRowParser(std::u16string_view titleRow);

    PinRow parse(std::u16string_view line) override;

private:
    TitleColumns columns_;
};

}  // namespace kelvane
