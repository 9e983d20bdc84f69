#include "SpaceAlignedRowParser.h"

#include <algorithm>

#include "PinoutText.h"

namespace kelvane {
namespace {

constexpr std::u16string_view kNameTitle = u"Pin Name";

void splitValues(std::u16string_view line, std::vector<SpaceAlignedRowParser::Value>& values)
{
    values.clear();
    std::size_t pos = 0;
    for (;;) {
        const auto start = line.find_first_not_of(u' ', pos);
        if (start == std::u16string_view::npos)
            return;
        auto end = line.find(u"  ", start);
        if (end == std::u16string_view::npos)
            end = line.size();
        values.push_back({start, trimBlanks(line.substr(start, end - start))});
        pos = end;
    }
}

std::optional<TitleColumns> columnsOf(std::u16string_view titleRow,
    std::vector<SpaceAlignedRowParser::Value>& titles)
{
    if (!titleRow.starts_with(u"Pin") || titleRow.find(u'\t') != std::u16string_view::npos)
        return std::nullopt;
    splitValues(titleRow, titles);
    std::vector<std::u16string_view> texts;
    for (const auto& title : titles)
        texts.push_back(title.text);
    return findTitleColumns(texts, kNameTitle);
}

}  // namespace

bool SpaceAlignedRowParser::recognises(std::u16string_view titleRow)
{
    std::vector<Value> titles;
    return columnsOf(titleRow, titles).has_value();
}

SpaceAlignedRowParser::SpaceAlignedRowParser(std::u16string_view titleRow)
{
    std::vector<Value> titles;
    columns_ = *columnsOf(titleRow, titles);
    for (const auto& title : titles)
        titleStarts_.push_back(title.start);
}

PinRow SpaceAlignedRowParser::parse(std::u16string_view line)
{
    splitValues(line, values_);
    return PinRow{column(columns_.pin), column(columns_.bank), column(columns_.name)};
}

std::u16string_view SpaceAlignedRowParser::column(std::size_t index) const
{
    // A full row is read value by value, which forgives sloppy alignment; a row
    // with empty cells can only be read by where its values stand.
    if (values_.size() == titleStarts_.size())
        return values_[index].text;
    for (const auto& value : values_) {
        const auto under = std::upper_bound(titleStarts_.begin(), titleStarts_.end(), value.start);
        const std::size_t valueColumn = under == titleStarts_.begin() ? 0 : static_cast<std::size_t>(under - titleStarts_.begin()) - 1;
        if (valueColumn == index)
            return value.text;
        if (valueColumn > index)
            break;
    }
    return {};
}

}  // namespace kelvane
