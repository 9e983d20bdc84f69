#pragma once

#include <cstdint>
#include <string>

namespace kelvane {

// The letters after "Gate-" for the n-th group (counted from 1; 0 means no group
// has started yet and gives no letters). Groups 1 to 63 take the single character
// 0x40 + n (A..Z, [ \ ] ^ _ `, a..z, { | } ~, DEL); from 64 on, spreadsheet-style
// column letters starting at AA: 64 AA, 89 AZ, 90 BA, ..., ZZ, then AAA.
std::u16string groupName(std::int64_t groupNumber);

}  // namespace kelvane
