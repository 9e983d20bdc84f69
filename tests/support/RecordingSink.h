#pragma once

#include <string>
#include <vector>

#include "UserMessageSink.h"

namespace kelvane::test {

// Keeps every message the conversion shows, in order.
class RecordingSink : public UserMessageSink {
public:
    struct Message {
        std::u16string text;
        std::u16string caption;
        MessageStyle style;
    };

    void Show(const std::u16string& text, const std::u16string& caption, MessageStyle style) override;

    std::vector<Message> messages;
};

}  // namespace kelvane::test
