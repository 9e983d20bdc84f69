#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvane {

// Decides, pin by pin in file order, which group each pin falls into and its
// sequence number there. Ground pins, supply pins and runs of one group key
// form the groups.
class PinGrouper {
public:
    struct Placement {
        std::u16string_view group;  // the letters after "Gate-"; empty before the first group
        std::u16string_view name;   // the name to write; an empty name is replaced by the group key
        std::int64_t sequence;
    };

    // name is the pin's name as it is to be written (already fixed up by the caller).
    // group stays valid until the next call; name is one of the two arguments.
    Placement place(std::u16string_view groupKey, std::u16string_view name);

    std::int64_t groupCount() const noexcept { return groupCount_; }

private:
    std::int64_t groupCount_ = 0;
    std::u16string group_;
    std::int64_t sequence_ = 1;
    // The rules look at the previous name only as ground or supply name.
    bool previousWasGround_ = false;
    bool previousWasSupply_ = false;
    std::u16string previousGroupKey_;
};

}  // namespace kelvane
