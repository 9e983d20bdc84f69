#include "PinGrouper.h"

#include "GroupName.h"

namespace kelvane {
namespace {

bool isSupplyName(std::u16string_view name) { return name.starts_with(u"VCC"); }

}  // namespace

bool PinGrouper::startsGroup(std::u16string_view groupKey, std::u16string_view name) const
{
    if (name == u"GND" && previousName_ != u"GND")
        return true;
    if (isSupplyName(name) && !isSupplyName(previousName_))
        return true;
    // Supply pins of several banks stay one group.
    return groupKey != previousGroupKey_ && !isSupplyName(name);
}

PinGrouper::Placement PinGrouper::place(std::u16string_view groupKey, std::u16string_view name)
{
    if (name.empty()) {
        // A nameless pin takes its group key as name and joins the current group.
        name = groupKey;
    } else {
        if (startsGroup(groupKey, name)) {
            ++groupCount_;
            group_ = groupName(groupCount_);
            sequence_ = 1;
        }
        previousGroupKey_.assign(groupKey);
    }
    previousName_.assign(name);
    return Placement{group_, previousName_, sequence_++};
}

}  // namespace kelvane
