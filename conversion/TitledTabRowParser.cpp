#include "TitledTabRowParser.h"

#include <vector>

#include "PinoutText.h"

namespace kelvane {
namespace {

constexpr std::u16string_view kNameTitle = u"Pin Description";

std::vector<std::u16string_view> tabFields(std::u16string_view line)
{
    std::vector<std::u16string_view> fields;
    for (;;) {
        const auto tab = line.find(u'\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::u16string_view::npos)
            return fields;
        line.remove_prefix(tab + 1);
    }
}

std::optional<TitleColumns> columnsOf(std::u16string_view titleRow)
{
    if (titleRow.find(u'\t') == std::u16string_view::npos)
        return std::nullopt;
    return findTitleColumns(tabFields(titleRow), kNameTitle);
}

// The index-th tab-separated field with its blanks trimmed; empty when the line has fewer.
std::u16string_view tabField(std::u16string_view line, std::size_t index)
{
    for (; index > 0; --index) {
        const auto tab = line.find(u'\t');
        if (tab == std::u16string_view::npos)
            return {};
        line.remove_prefix(tab + 1);
    }
    return trimBlanks(line.substr(0, line.find(u'\t')));
}

}  // namespace

bool TitledTabRowParser::recognises(std::u16string_view titleRow)
{
    return columnsOf(titleRow).has_value();
}

TitledTabRowParser::TitledTabRowParser(std::u16string_view titleRow)
    : columns_(*columnsOf(titleRow))
{
}

PinRow TitledTabRowParser::parse(std::u16string_view line)
{
    return PinRow{tabField(line, columns_.pin), tabField(line, columns_.bank), tabField(line, columns_.name)};
}

}  // namespace kelvane
