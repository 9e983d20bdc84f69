#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kelvane {

// Raised when reading, writing or closing a line text file fails.
class FileError : public std::runtime_error {
public:
    enum Cause : std::int32_t {
        GenericFailure = 1,
        DiskFull = 13,
    };

    FileError(Cause cause, std::u16string fullPath);

    Cause cause() const noexcept { return cause_; }
    const std::u16string& fullPath() const noexcept { return fullPath_; }
    // The user-facing text, naming the file; what() holds the same text in UTF-8.
    const std::u16string& message() const noexcept { return message_; }

private:
    Cause cause_;
    std::u16string fullPath_;
    std::u16string message_;
};

}  // namespace kelvane
