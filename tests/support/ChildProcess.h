#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kelvane::test {

struct ChildResult {
    int exitCode;        // 0 when the body returned; -1 when the child died
    std::string output;  // what the body returned (or the text of an exception that escaped it)
};

// Runs body in a forked child and hands back what it returns. With a file size
// limit, the child ignores SIGXFSZ and writes past the limit fail as on a full disk.
ChildResult runInChild(const std::function<std::string()>& body,
    std::optional<std::uint64_t> fileSizeLimit = std::nullopt);

}  // namespace kelvane::test
