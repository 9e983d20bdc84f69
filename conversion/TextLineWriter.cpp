#include "TextLineWriter.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "FileError.h"
#include "FullPath.h"
#include "ReleaseFailureReporter.h"

namespace kelvane {

TextLineWriter::~TextLineWriter()
{
    if (!isOpen())
        return;
    try {
        Close();
    } catch (const FileError& error) {
        try {
            reportReleaseFailure(__FILE__, __LINE__, error.message());
        } catch (...) {
        }
    }
}

bool TextLineWriter::Create(const std::u16string& path)
{
    Close();
    const auto resolved = resolveForOpen(path);
    if (!resolved)
        return false;

    // Opened without O_TRUNC: the file is emptied only once it is known to be a
    // regular, writable file that nobody else holds, so a refused file keeps its bytes.
    const int fd = ::open(resolved->native.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return false;
    struct stat status {};
    const bool usable = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)
        // A file nobody may write is read-only, also for a privileged user.
        && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
        && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::ftruncate(fd, 0) == 0;
    if (!usable) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    fullPath_ = resolved->full;
    fill_ = 0;
    return true;
}

void TextLineWriter::Write(std::u16string_view text)
{
    for (const char16_t c : text) {
        if (c == u'\0')
            return;
        if (c > 0xFF)
            throw FileError(FileError::DiskFull, fullPath_);
        if (fill_ == kBufferSize && !flush())
            throw FileError(FileError::DiskFull, fullPath_);
        buffer_[fill_++] = static_cast<unsigned char>(c);
    }
}

// Bytes the file took are gone from the buffer; what it refused stays for a later try.
bool TextLineWriter::flush()
{
    std::size_t written = 0;
    while (written < fill_) {
        const ssize_t count = ::write(fd_, buffer_ + written, fill_ - written);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
        } else if (count < 0 && errno == EINTR) {
            continue;
        } else {
            std::memmove(buffer_, buffer_ + written, fill_ - written);
            fill_ -= written;
            return false;
        }
    }
    fill_ = 0;
    return true;
}

void TextLineWriter::Close()
{
    if (!isOpen())
        return;
    bool ok = flush();
    const int fd = fd_;
    fd_ = -1;
    fill_ = 0;
    if (::close(fd) != 0 && errno != EINTR)
        ok = false;
    if (!ok)
        throw FileError(FileError::DiskFull, fullPath_);
}

}  // namespace kelvane
