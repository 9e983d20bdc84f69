#include "FullPath.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

#include "Utf16.h"

namespace kelvane {
namespace {

std::optional<std::u16string> currentFolder()
{
    std::vector<char> buffer(256);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20))
            return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
    return fromUtf8(buffer.data());
}

}  // namespace

std::optional<std::u16string> fullPathOf(const std::u16string& path)
{
    if (path.empty())
        return std::nullopt;
    std::u16string joined;
    if (path.front() == u'/') {
        joined = path;
    } else {
        auto cwd = currentFolder();
        if (!cwd)
            return std::nullopt;
        joined = *cwd + u'/' + path;
    }

    std::vector<std::u16string_view> parts;
    std::u16string_view rest = joined;
    while (!rest.empty()) {
        const auto slash = rest.find(u'/');
        const auto part = rest.substr(0, slash);
        rest = slash == std::u16string_view::npos ? std::u16string_view() : rest.substr(slash + 1);
        if (part.empty() || part == u".")
            continue;
        if (part == u"..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }

    std::u16string full;
    for (const auto part : parts) {
        full += u'/';
        full += part;
    }
    // A trailing slash says "a folder"; keep it so the message shows what was asked for.
    if (full.empty() || joined.back() == u'/')
        full.push_back(u'/');
    return full;
}

std::optional<ResolvedPath> resolveForOpen(const std::u16string& path)
{
    if (path.empty() || path.size() >= kMaxPathLength || path.find(u'\0') != std::u16string::npos)
        return std::nullopt;
    auto full = fullPathOf(path);
    if (!full || full->size() >= kMaxPathLength)
        return std::nullopt;
    return ResolvedPath{std::move(*full), toUtf8(path)};
}

}  // namespace kelvane
