#include "PinGrouper.h"

#include "GroupName.h"

namespace kelvane {
namespace {

bool isGroundName(std::u16string_view name) { return name == u"GND"; }
bool isSupplyName(std::u16string_view name) { return name.starts_with(u"VCC"); }

}  // namespace

PinGrouper::Placement PinGrouper::place(std::u16string_view groupKey, std::u16string_view name)
{
    const bool named = !name.empty();
    // A nameless pin takes its group key as name and joins the current group.
    if (!named)
        name = groupKey;
    const bool ground = isGroundName(name);
    const bool supply = isSupplyName(name);
    if (named) {
        const bool keyChanged = groupKey != previousGroupKey_;
        // Supply pins of several banks stay one group.
        if ((ground && !previousWasGround_) || (supply && !previousWasSupply_) || (keyChanged && !supply)) {
            ++groupCount_;
            group_ = groupName(groupCount_);
            sequence_ = 1;
        }
        if (keyChanged)
            previousGroupKey_.assign(groupKey);
    }
    previousWasGround_ = ground;
    previousWasSupply_ = supply;
    return Placement{group_, name, sequence_++};
}

}  // namespace kelvane
