#include "Files.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>

namespace kelvane::test {

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool fileExists(const std::string& path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

std::string fixturePath(const std::string& name)
{
    return std::string(KELVANE_FIXTURES_DIR) + "/" + name;
}

std::u16string widen(const std::string& bytes)
{
    std::u16string text;
    for (const char c : bytes)
        text.push_back(static_cast<unsigned char>(c));
    return text;
}

std::string narrow(const std::u16string& text)
{
    std::string bytes;
    for (const char16_t c : text)
        bytes.push_back(static_cast<char>(c));
    return bytes;
}

}  // namespace kelvane::test
