#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kelvane {

// Paths of this many characters or more are refused, before and after resolution.
inline constexpr std::size_t kMaxPathLength = 260;

// The path made absolute against the current folder and normalised lexically
// ("." and ".." folded, repeated slashes merged; no symlink is followed).
// Empty when the path is empty or the current folder can't be had.
std::optional<std::u16string> fullPathOf(const std::u16string& path);

// What Open and Create check before touching the file system: the path's length,
// its full path and its length. On success, the full path and the UTF-8 name to
// hand to the system.
struct ResolvedPath {
    std::u16string full;
    std::string native;
};
std::optional<ResolvedPath> resolveForOpen(const std::u16string& path);

}  // namespace kelvane
