#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "TitledRowParser.h"
#include "TitleColumns.h"

namespace kelvane {

// The layout whose columns are padded with blanks and left-aligned under a title
// row "Pin  Pin Name  ...  Bank  ...". Values are separated by two or more blanks
// and never hold two blanks in a row themselves.
class SpaceAlignedRowParser : public TitledRowParser {
public:
    static bool recognises(std::u16string_view titleRow);
    // titleRow must be one that recognises accepts.
    explicit SpaceAlignedRowParser(std::u16string_view titleRow);

    PinRow parse(std::u16string_view line) override;

    struct Value {
        std::size_t start;  // where the value begins in its line
        std::u16string_view text;
    };

private:
    std::u16string_view column(std::size_t index) const;

    TitleColumns columns_;
    std::vector<std::size_t> titleStarts_;
    std::vector<Value> values_;
};

}  // namespace kelvane
