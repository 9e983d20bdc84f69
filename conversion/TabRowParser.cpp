#include "TabRowParser.h"

#include "PinoutColumns.h"

namespace kelvane {

bool TabRowParser::endsRows(std::u16string_view line) const
{
    return line.empty() || line.starts_with(u"\t\t");
}

PinRow TabRowParser::parse(std::u16string_view line)
{
    const PinoutColumns columns = splitColumns(line);
    // Name columns end in one blank in these files; it is not part of the name.
    std::u16string_view name = columns.name;
    if (!name.empty())
        name.remove_suffix(1);
    return PinRow{columns.number, columns.groupKey, name};
}

}  // namespace kelvane
