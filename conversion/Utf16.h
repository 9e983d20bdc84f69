#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// Paths and terminal text cross to the operating system as UTF-8. Bytes that are
// not valid UTF-8 map to the lone surrogates U+DC80..U+DCFF and back, so that any
// file name the system hands us round-trips unchanged.
std::u16string fromUtf8(std::string_view bytes);
std::string toUtf8(std::u16string_view text);

}  // namespace kelvane
