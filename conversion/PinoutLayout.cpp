#include "PinoutLayout.h"

#include <optional>

#include "CommaSeparatedRowParser.h"
#include "LineLookahead.h"
#include "PinoutFooter.h"
#include "PinoutText.h"
#include "SpaceAlignedRowParser.h"
#include "TitledTabRowParser.h"

namespace kelvane {
namespace {

// Lines that may stand above a title row: the device line, copyright and revision
// blocks, comments, and padding.
bool isHeaderLine(std::u16string_view line)
{
    return isFillerLine(line) || line.starts_with(u"--") || line.starts_with(u"#")
        || line.starts_with(u"Device/Package");
}

std::optional<PinoutLayout> titleRowLayout(std::u16string_view line)
{
    if (TitledTabRowParser::recognises(line))
        return PinoutLayout::TitledTab;
    if (CommaSeparatedRowParser::recognises(line))
        return PinoutLayout::CommaSeparated;
    if (SpaceAlignedRowParser::recognises(line))
        return PinoutLayout::SpaceAligned;
    return std::nullopt;
}

// A title-like row above tab-separated pins (say, among the two lines the plain tab
// layout skips) is no title: the rows seen below it must be separated the way the
// title row is.
bool rowsMatchTitle(LineLookahead& lines, const LayoutDetection& detection)
{
    const bool tabSeparated = detection.layout == PinoutLayout::TitledTab;
    bool rowSeen = false;
    for (std::size_t index = detection.titleLine + 1;; ++index) {
        const std::u16string* line = lines.peek(index);
        if (line == nullptr || isFooterLine(*line))
            return true;
        if (isFillerLine(*line)) {
            if (rowSeen)
                return true;
            continue;
        }
        if ((line->find(u'\t') != std::u16string::npos) != tabSeparated)
            return false;
        rowSeen = true;
    }
}

}  // namespace

std::string_view layoutName(PinoutLayout layout)
{
    switch (layout) {
    case PinoutLayout::Tab:
        return "tab layout";
    case PinoutLayout::TitledTab:
        return "titled tab layout";
    case PinoutLayout::SpaceAligned:
        return "space-aligned layout";
    case PinoutLayout::CommaSeparated:
        return "comma-separated layout";
    }
    return "tab layout";
}

LayoutDetection detectLayout(LineLookahead& lines)
{
    for (std::size_t index = 0;; ++index) {
        const std::u16string* line = lines.peek(index);
        if (line == nullptr)
            return {};
        if (const auto layout = titleRowLayout(*line)) {
            // The tab layout skips its first two lines whatever they hold, a
            // tab-separated title among them included.
            if (*layout == PinoutLayout::TitledTab && index < 2)
                return {};
            const LayoutDetection detection{*layout, index};
            return rowsMatchTitle(lines, detection) ? detection : LayoutDetection{};
        }
        if (!isHeaderLine(*line))
            return {};
    }
}

std::unique_ptr<PinoutRowParser> makeTitledRowParser(PinoutLayout layout, std::u16string_view titleRow)
{
    switch (layout) {
    case PinoutLayout::TitledTab:
        return std::make_unique<TitledTabRowParser>(titleRow);
    case PinoutLayout::CommaSeparated:
        return std::make_unique<CommaSeparatedRowParser>(titleRow);
    case PinoutLayout::SpaceAligned:
        return std::make_unique<SpaceAlignedRowParser>(titleRow);
    case PinoutLayout::Tab:
        break;
    }
    return nullptr;
}

}  // namespace kelvane
