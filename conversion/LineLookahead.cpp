#include "LineLookahead.h"

#include <utility>

#include "FileError.h"
#include "TextLineReader.h"

namespace kelvane {

LineLookahead::LineLookahead(TextLineReader& reader)
    : reader_(reader)
{
}

const std::u16string* LineLookahead::peek(std::size_t index)
{
    while (held_.size() <= index) {
        if (ended_ || failure_ || held_.size() >= kMaxLines || heldChars_ >= kMaxChars)
            return nullptr;
        HeldLine line;
        try {
            line.flag = reader_.ReadLine(line.text);
        } catch (const FileError&) {
            // Raised in file order, when the conversion reaches this line.
            failure_ = std::current_exception();
            return nullptr;
        }
        if (!line.flag && reader_.atEndOfData()) {
            ended_ = true;
            return nullptr;
        }
        heldChars_ += line.text.size();
        held_.push_back(std::move(line));
    }
    return &held_[index].text;
}

bool LineLookahead::next(std::u16string& line)
{
    if (replayed_ < held_.size()) {
        line = std::move(held_[replayed_].text);
        const bool flag = held_[replayed_].flag;
        if (++replayed_ == held_.size()) {
            held_.clear();
            held_.shrink_to_fit();
            replayed_ = 0;
            heldChars_ = 0;
        }
        return flag;
    }
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
    if (ended_) {
        line.clear();
        return false;
    }
    return reader_.ReadLine(line);
}

}  // namespace kelvane
