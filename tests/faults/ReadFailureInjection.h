#pragma once

#include <string>
#include <vector>

namespace kelvane::test {

// What the read calls on one file do, in order: a positive number lets that call
// take at most so many bytes, kFail makes it fail with EIO. Calls past the plan,
// and reads of any other file, go through unchanged.
inline constexpr long kFail = -1;
void planReads(const std::string& path, std::vector<long> plan);
void clearReadPlan();

}  // namespace kelvane::test
