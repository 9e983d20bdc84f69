#include "RecordingSink.h"

namespace kelvane::test {

void RecordingSink::Show(const std::u16string& text, const std::u16string& caption, MessageStyle style)
{
    messages.push_back({text, caption, style});
}

}  // namespace kelvane::test
