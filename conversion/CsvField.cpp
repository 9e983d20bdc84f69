#include "CsvField.h"

#include <cstdint>

namespace kelvane {
namespace {

bool needsQuotes(std::u16string_view field)
{
    // One bit per character that forces quotes: CR, double quote, comma.
    constexpr std::uint64_t kForcing = (1ull << u'\r') | (1ull << u'"') | (1ull << u',');
    for (const char16_t c : field) {
        if (c <= u',' && ((kForcing >> c) & 1) != 0)
            return true;
    }
    return false;
}

}  // namespace

void appendCsvField(std::u16string& row, std::u16string_view field)
{
    if (!needsQuotes(field)) {
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
