#include "CsvField.h"

namespace kelvane {

void appendCsvField(std::u16string& row, std::u16string_view field)
{
    if (field.find_first_of(u",\"\r") == std::u16string_view::npos) {
        row += field;
        return;
    }
    row += u'"';
    for (const char16_t c : field) {
        if (c == u'"')
            row += u'"';
        row += c;
    }
    row += u'"';
}

}  // namespace kelvane
