#pragma once

#include <string>

#include "UserMessageSink.h"

// Shows the conversion's outcome for one input file on the terminal.
class ConsoleMessageSink : public kelvane::UserMessageSink {
public:
    ConsoleMessageSink(std::string program, std::string inputPath);

    void Show(const std::u16string& text, const std::u16string& caption, kelvane::MessageStyle style) override;

    bool succeeded() const noexcept { return succeeded_; }

private:
    std::string program_;
    std::string inputPath_;
    bool succeeded_ = false;
};
