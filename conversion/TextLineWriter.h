#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvane {

// Writes text as single bytes (U+0000..U+00FF), adding and translating nothing.
class TextLineWriter {
public:
    static constexpr std::size_t kBufferSize = 4096;

    TextLineWriter() = default;
    ~TextLineWriter();
    TextLineWriter(const TextLineWriter&) = delete;
    TextLineWriter& operator=(const TextLineWriter&) = delete;

    // Creates the file or empties an existing one. False, with nothing raised, when
    // the path is unusable, the target is not a regular file, can't be opened for
    // writing, or is locked by another opener; a refused file is left untouched.
    bool Create(const std::u16string& path);
    // Stores the text up to its first U+0000. Raises FileError (disk full) when a
    // character above U+00FF is met or the buffer can't be written out.
    void Write(std::u16string_view text);
    // Writes out the buffer and releases the file; raises FileError (disk full) when
    // either fails, after the writer is closed.
    void Close();

    bool isOpen() const noexcept { return fd_ >= 0; }
    const std::u16string& fullPath() const noexcept { return fullPath_; }

private:
    bool flush();

    int fd_ = -1;
    std::u16string fullPath_;
    unsigned char buffer_[kBufferSize];
    std::size_t fill_ = 0;
};

}  // namespace kelvane
