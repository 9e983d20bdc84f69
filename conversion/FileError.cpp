#include "FileError.h"

#include "Utf16.h"

namespace kelvane {
namespace {

std::u16string messageFor(FileError::Cause cause, const std::u16string& fullPath)
{
    const std::u16string format = cause == FileError::DiskFull
        ? u"Disk full while accessing %1."
        : u"An unknown error occurred while accessing %1.";
    std::u16string text = format;
    text.replace(text.find(u"%1"), 2, fullPath);
    return text;
}

}  // namespace

FileError::FileError(Cause cause, std::u16string fullPath)
    : std::runtime_error(toUtf8(messageFor(cause, fullPath)))
    , cause_(cause)
    , fullPath_(std::move(fullPath))
    , message_(messageFor(cause_, fullPath_))
{
}

}  // namespace kelvane
