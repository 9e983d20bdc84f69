#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "PinoutRowParser.h"

namespace kelvane {

class LineLookahead;

enum class PinoutLayout {
    Tab,             // two lines of anything, then tab-separated pin rows
    TitledTab,       // a tab-separated title row "Pin, Bank, ..., Pin Description" above the rows
    SpaceAligned,    // blank-padded columns under a title row "Pin  Pin Name  ...  Bank ..."
    CommaSeparated,  // the same titles and rows, separated by commas
};

// How the layout is called where the person sees it, e.g. "space-aligned layout".
std::string_view layoutName(PinoutLayout layout);

struct LayoutDetection {
    PinoutLayout layout = PinoutLayout::Tab;
    std::size_t titleLine = 0;  // the title row's line (from 0); unused for the plain tab layout
};

// Recognises the layout from the file's first lines, looked at through lines
// before any of them is taken. A file that is not plainly one of the titled
// layouts is the plain tab layout.
LayoutDetection detectLayout(LineLookahead& lines);

// The row parser for a titled layout, built from its title row.
std::unique_ptr<PinoutRowParser> makeTitledRowParser(PinoutLayout layout, std::u16string_view titleRow);

}  // namespace kelvane
