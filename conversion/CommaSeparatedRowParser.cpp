#include "CommaSeparatedRowParser.h"

#include <vector>

#include "PinoutText.h"

namespace kelvane {
namespace {

constexpr std::u16string_view kNameTitle = u"Pin Name";

// Cuts the next field off the front of rest (its comma goes too) and leaves its
// value, unquoted, in value.
void takeField(std::u16string_view& rest, std::u16string& value)
{
    value.clear();
    const auto first = rest.find_first_not_of(u' ');
    if (first != std::u16string_view::npos && rest[first] == u'"') {
        std::size_t pos = first + 1;
        while (pos < rest.size()) {
            if (rest[pos] == u'"') {
                if (pos + 1 < rest.size() && rest[pos + 1] == u'"') {
                    value += u'"';
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
            value += rest[pos++];
        }
        // Anything between the closing quote and the comma is kept, as a lenient reader would.
        const auto comma = rest.find(u',', pos);
        value += rest.substr(pos, comma == std::u16string_view::npos ? std::u16string_view::npos : comma - pos);
        rest = comma == std::u16string_view::npos ? std::u16string_view() : rest.substr(comma + 1);
    } else {
        const auto comma = rest.find(u',');
        value.assign(rest.substr(0, comma));
        rest = comma == std::u16string_view::npos ? std::u16string_view() : rest.substr(comma + 1);
    }
    value.assign(trimBlanks(value));
}

std::optional<TitleColumns> columnsOf(std::u16string_view titleRow)
{
    if (!titleRow.starts_with(u"Pin") || titleRow.find(u'\t') != std::u16string_view::npos
        || titleRow.find(u',') == std::u16string_view::npos)
        return std::nullopt;
    std::vector<std::u16string> titles;
    std::u16string value;
    for (std::u16string_view rest = titleRow; !rest.empty();) {
        takeField(rest, value);
        titles.push_back(value);
    }
    std::vector<std::u16string_view> views(titles.begin(), titles.end());
    return findTitleColumns(views, kNameTitle);
}

}  // namespace

bool CommaSeparatedRowParser::recognises(std::u16string_view titleRow)
{
    return columnsOf(titleRow).has_value();
}

CommaSeparatedRowParser::CommaSeparatedRowParser(std::u16string_view titleRow)
    : columns_(*columnsOf(titleRow))
{
}

PinRow CommaSeparatedRowParser::parse(std::u16string_view line)
{
    number_.clear();
    bank_.clear();
    name_.clear();
    for (std::size_t index = 0; !line.empty(); ++index) {
        takeField(line, value_);
        if (index == columns_.pin)
            number_ = value_;
        if (index == columns_.bank)
            bank_ = value_;
        if (index == columns_.name)
            name_ = value_;
    }
    return PinRow{number_, bank_, name_};
}

}  // namespace kelvane
