#pragma once

#include <string>

namespace kelvane::test {

void writeFile(const std::string& path, const std::string& bytes);
// The whole file as bytes; throws when it can't be read.
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);
// A file of the project's own test fixtures (tests/fixtures).
std::string fixturePath(const std::string& name);

// Byte-for-byte views of 8-bit text as the core's text strings and back.
std::u16string widen(const std::string& bytes);
std::string narrow(const std::u16string& text);

}  // namespace kelvane::test
