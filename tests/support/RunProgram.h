#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvane::test {

struct ProgramResult {
    int exitCode;  // -1 when the program was killed by a signal
    std::string out;
    std::string err;
};

// Runs a program with the arguments, standard input closed, and collects what it
// prints. A file size limit, when given, applies to the program with SIGXFSZ ignored.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
    std::optional<std::uint64_t> fileSizeLimit = std::nullopt, const std::string& workingDir = {});

}  // namespace kelvane::test
