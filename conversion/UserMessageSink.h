#pragma once

#include <string>

namespace kelvane {

enum class MessageStyle {
    Error,  // stop icon, OK button
    Plain,  // OK button only
};

// Where the conversion shows its outcome; Show returns once the user has seen it.
class UserMessageSink {
public:
    virtual ~UserMessageSink() = default;
    virtual void Show(const std::u16string& text, const std::u16string& caption, MessageStyle style) = 0;
};

}  // namespace kelvane
