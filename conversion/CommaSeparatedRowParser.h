#pragma once

#include <string>
#include <string_view>

#include "TitledRowParser.h"
#include "TitleColumns.h"

namespace kelvane {

// The comma-separated form of the titled layout: a title row "Pin,Pin Name,...,Bank,..."
// and one row per pin; a value that holds a comma comes in double quotes.
class CommaSeparatedRowParser : public TitledRowParser {
public:
    static bool recognises(std::u16string_view titleRow);
    // titleRow must be one that recognises accepts.
    explicit CommaSeparatedRowParser(std::u16string_view titleRow);

    PinRow parse(std::u16string_view line) override;

private:
    TitleColumns columns_;
    std::u16string number_;
    std::u16string bank_;
    std::u16string name_;
    std::u16string value_;
};

}  // namespace kelvane
