#pragma once

#include <cstddef>
#include <string>

namespace kelvane {

// Reads a single-byte text file line by line: each byte is the character with the
// same code, CR LF reads as LF, and the byte 0x1A ends the data.
class TextLineReader {
public:
    static constexpr std::size_t kBufferSize = 4096;
    static constexpr std::size_t kChunkSize = 128;

    TextLineReader() = default;
    ~TextLineReader();
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    // False, with nothing raised, when the path is unusable, the file is missing,
    // not a regular file, unreadable, or locked by another opener.
    bool Open(const std::u16string& path);
    // Replaces line with the next line, without its LF. True when the line read
    // was non-empty before its LF was removed; false with an empty line at end of
    // data. Raises FileError (generic failure) when the file can't be read.
    bool ReadLine(std::u16string& line);
    // Raises FileError (disk full) when releasing the file fails; closed either way.
    void Close();

    bool isOpen() const noexcept { return fd_ >= 0; }
    // True once no byte is left to deliver; a false ReadLine alone doesn't say so,
    // since a line that begins with U+0000 reads as false too.
    bool atEndOfData() const noexcept { return endOfData_ && pos_ == fill_; }
    const std::u16string& fullPath() const noexcept { return fullPath_; }

private:
    enum class Fill { Data, End, Failed };
    Fill refill();

    int fd_ = -1;
    std::u16string fullPath_;
    unsigned char buffer_[kBufferSize];
    std::size_t fill_ = 0;
    std::size_t pos_ = 0;
    bool endOfData_ = false;
};

}  // namespace kelvane
