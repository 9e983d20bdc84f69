#pragma once

#include <cstddef>
#include <exception>
#include <string>
#include <vector>

namespace kelvane {

class TextLineReader;

// Lets the layout be recognised from the first lines of a file that is read only
// once: the lines looked at are held back, bounded by count and by size, and are
// then handed out again in order before reading goes on.
class LineLookahead {
public:
    static constexpr std::size_t kMaxLines = 200;
    static constexpr std::size_t kMaxChars = 64 * 1024;

    explicit LineLookahead(TextLineReader& reader);

    // Line index of the file (counted from 0), read ahead as needed; nullptr when
    // the file ends or can't be read before it, or the held-back lines have
    // reached a bound. Only valid before the first call of next.
    const std::u16string* peek(std::size_t index);

    // The next line with the flag of TextLineReader::ReadLine (false with an
    // empty line at the end of the data). A read that failed while looking ahead
    // raises its FileError here, once the lines before it have been handed out.
    bool next(std::u16string& line);

private:
    struct HeldLine {
        std::u16string text;
        bool flag;
    };

    TextLineReader& reader_;
    std::vector<HeldLine> held_;
    std::size_t heldChars_ = 0;
    std::size_t replayed_ = 0;
    bool ended_ = false;
    std::exception_ptr failure_;
};

}  // namespace kelvane
