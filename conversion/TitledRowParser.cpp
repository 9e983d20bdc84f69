#include "TitledRowParser.h"

#include "PinoutFooter.h"
#include "PinoutText.h"

namespace kelvane {

bool TitledRowParser::endsRows(std::u16string_view line) const
{
    return isFillerLine(line) || isFooterLine(line);
}

}  // namespace kelvane
