#include "TextLineWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "FileError.h"
#include "FullPath.h"
#include "LockedFile.h"
#include "ReleaseFailureReporter.h"

namespace kelvane {
namespace {

constexpr bool isStorable(char16_t c) { return c != 0 && c <= 0xFF; }

// Stores the leading run of storable characters as bytes and returns its length.
std::size_t narrowStorable(const char16_t* from, std::size_t count, unsigned char* to)
{
    std::size_t done = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i highByte = _mm_set1_epi16(static_cast<short>(0xFF00));
    for (; done + 16 <= count; done += 16) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + done));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + done + 8));
        const __m128i above = _mm_and_si128(_mm_or_si128(low, high), highByte);
        const __m128i nul = _mm_or_si128(_mm_cmpeq_epi16(low, zero), _mm_cmpeq_epi16(high, zero));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(above, zero)) != 0xFFFF || _mm_movemask_epi8(nul) != 0)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + done), _mm_packus_epi16(low, high));
    }
    if (done + 8 <= count) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + done));
        const __m128i above = _mm_and_si128(low, highByte);
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(above, zero)) == 0xFFFF
            && _mm_movemask_epi8(_mm_cmpeq_epi16(low, zero)) == 0) {
            _mm_storel_epi64(reinterpret_cast<__m128i*>(to + done), _mm_packus_epi16(low, low));
            done += 8;
        }
    }
#endif
    for (; done < count && isStorable(from[done]); ++done)
        to[done] = static_cast<unsigned char>(from[done]);
    return done;
}

}  // namespace

TextLineWriter::~TextLineWriter()
{
    closeOnRelease(*this, __FILE__, __LINE__);
}

bool TextLineWriter::Create(const std::u16string& path)
{
    Close();
    const auto resolved = resolveForOpen(path);
    if (!resolved)
        return false;

    // Opened without O_TRUNC: the file is emptied only once it is known to be a
    // regular, writable file that nobody else holds, so a refused file keeps its bytes.
    const int fd = openLockedRegularFile(resolved->native, O_WRONLY | O_CREAT, [](const struct stat& status) {
        // A file nobody may write is read-only, also for a privileged user.
        return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    });
    if (fd < 0)
        return false;
    if (::ftruncate(fd, 0) != 0) {
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
    const char16_t* next = text.data();
    const char16_t* const end = next + text.size();
    while (next != end) {
        if (*next == u'\0')
            return;
        if (*next > 0xFF)
            throw FileError(FileError::DiskFull, fullPath_);
        if (fill_ == kBufferSize && !flush())
            throw FileError(FileError::DiskFull, fullPath_);
        const auto room = std::min(kBufferSize - fill_, static_cast<std::size_t>(end - next));
        const std::size_t stored = narrowStorable(next, room, buffer_ + fill_);
        fill_ += stored;
        next += stored;
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
