#include "ConsoleMessageSink.h"

#include <cstdio>

#include "Utf16.h"

ConsoleMessageSink::ConsoleMessageSink(std::string program, std::string inputPath)
    : program_(std::move(program))
    , inputPath_(std::move(inputPath))
{
}

void ConsoleMessageSink::Show(const std::u16string& text, const std::u16string&, kelvane::MessageStyle style)
{
    // Success is told by the caller, who knows what the file held.
    if (style == kelvane::MessageStyle::Plain) {
        succeeded_ = true;
    } else {
        std::fprintf(stderr, "%s: %s: %s\n", program_.c_str(), inputPath_.c_str(), kelvane::toUtf8(text).c_str());
    }
}
