#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvane::fuzz {

struct ModelLine {
    bool result;
    std::u16string text;
};

// What successive ReadLine calls on a file of these bytes return, written as
// plainly as the byte rules read, up to the point where the data is used up.
std::vector<ModelLine> modelLines(std::string_view bytes);

}  // namespace kelvane::fuzz
