#include "PinoutColumns.h"

namespace kelvane {
namespace {

// Cuts the text before the next tab off the front of rest; the tab goes too.
std::u16string_view takeField(std::u16string_view& rest)
{
    const auto tab = rest.find(u'\t');
    const auto field = rest.substr(0, tab);
    rest = tab == std::u16string_view::npos ? std::u16string_view() : rest.substr(tab + 1);
    return field;
}

}  // namespace

PinoutColumns splitColumns(std::u16string_view line)
{
    PinoutColumns columns;
    columns.number = takeField(line);
    columns.groupKey = takeField(line);
    columns.name = takeField(line);
    return columns;
}

}  // namespace kelvane
