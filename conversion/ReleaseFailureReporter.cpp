#include "ReleaseFailureReporter.h"

#include <cstdio>
#include <cstring>

#include "Utf16.h"

namespace kelvane {
namespace {

ReleaseFailureReporter& installed()
{
    static ReleaseFailureReporter reporter;
    return reporter;
}

const char* baseName(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

}  // namespace

ReleaseFailureReporter setReleaseFailureReporter(ReleaseFailureReporter reporter)
{
    auto previous = std::move(installed());
    installed() = std::move(reporter);
    return previous;
}

void reportReleaseFailure(const char* sourceFile, int line, const std::u16string& message)
{
    const std::u16string text = u"Exception thrown in destructor (" + fromUtf8(baseName(sourceFile)) + u":"
        + fromUtf8(std::to_string(line)) + u")\n" + message;
    if (installed()) {
        installed()(text);
    } else {
        const std::string bytes = toUtf8(text) + "\n";
        std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    }
}

}  // namespace kelvane
