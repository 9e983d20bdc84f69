#include "TextLineReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "FileError.h"
#include "FullPath.h"
#include "LockedFile.h"
#include "ReleaseFailureReporter.h"

namespace kelvane {
namespace {

constexpr unsigned char kLf = 0x0A;
constexpr unsigned char kCr = 0x0D;
constexpr unsigned char kEndOfText = 0x1A;

// Bytes that need more than a plain copy: they end a line, end the data, or
// may be the first half of a CR LF pair.
constexpr std::array<bool, 256> kSpecial = [] {
    std::array<bool, 256> table{};
    table[0x00] = table[kLf] = table[kCr] = table[kEndOfText] = true;
    return table;
}();

// Index of the first byte in [from, to) that needs more than a plain copy, or to.
std::size_t plainRunEnd(const unsigned char* bytes, std::size_t from, std::size_t to)
{
#if defined(__SSE2__)
    const __m128i nul = _mm_setzero_si128();
    const __m128i lf = _mm_set1_epi8(static_cast<char>(kLf));
    const __m128i cr = _mm_set1_epi8(static_cast<char>(kCr));
    const __m128i endOfText = _mm_set1_epi8(static_cast<char>(kEndOfText));
    for (; from + 16 <= to; from += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + from));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, nul), _mm_cmpeq_epi8(block, lf)),
            _mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, endOfText)));
        if (const int mask = _mm_movemask_epi8(hits))
            return from + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    while (from < to && !kSpecial[bytes[from]])
        ++from;
    return from;
}

void appendBytes(std::u16string& line, const unsigned char* bytes, std::size_t count)
{
    const std::size_t old = line.size();
    line.resize(old + count);
    std::copy(bytes, bytes + count, line.begin() + static_cast<std::ptrdiff_t>(old));
}

}  // namespace

TextLineReader::~TextLineReader()
{
    closeOnRelease(*this, __FILE__, __LINE__);
}

bool TextLineReader::Open(const std::u16string& path)
{
    Close();
    const auto resolved = resolveForOpen(path);
    if (!resolved)
        return false;

    const int fd = openLockedRegularFile(resolved->native, O_RDONLY);
    if (fd < 0)
        return false;
    fd_ = fd;
    fullPath_ = resolved->full;
    fill_ = pos_ = 0;
    endOfData_ = false;
    return true;
}

TextLineReader::Fill TextLineReader::refill()
{
    fill_ = pos_ = 0;
    for (;;) {
        const ssize_t count = ::read(fd_, buffer_, kBufferSize);
        if (count > 0) {
            fill_ = static_cast<std::size_t>(count);
            return Fill::Data;
        }
        if (count == 0) {
            endOfData_ = true;
            return Fill::End;
        }
        if (errno != EINTR)
            return Fill::Failed;
    }
}

bool TextLineReader::ReadLine(std::u16string& line)
{
    line.clear();
    // Most lines lie whole in the buffer with nothing in them but plain bytes; the
    // chunks make no difference to such a line.
    const std::size_t plainEnd = plainRunEnd(buffer_, pos_, fill_);
    std::size_t lineEnd = plainEnd;
    if (lineEnd + 1 < fill_ && buffer_[lineEnd] == kCr)
        ++lineEnd;
    if (lineEnd < fill_ && buffer_[lineEnd] == kLf) {
        appendBytes(line, buffer_ + pos_, plainEnd - pos_);
        pos_ = lineEnd + 1;
        return true;
    }

    for (;;) {
        std::size_t taken = 0;
        bool heldNul = false;
        bool endsWithLf = false;
        bool readFailed = false;

        while (taken < kChunkSize) {
            if (pos_ == fill_) {
                if (endOfData_)
                    break;
                const Fill result = refill();
                if (result != Fill::Data) {
                    readFailed = result == Fill::Failed;
                    break;
                }
            }

            const std::size_t limit = std::min(fill_, pos_ + (kChunkSize - taken));
            const std::size_t plainEnd = plainRunEnd(buffer_, pos_, limit);
            if (plainEnd > pos_) {
                if (!heldNul)
                    appendBytes(line, buffer_ + pos_, plainEnd - pos_);
                taken += plainEnd - pos_;
                pos_ = plainEnd;
                continue;
            }

            const unsigned char byte = buffer_[pos_++];
            if (byte == kEndOfText) {
                // Nothing from here on is ever delivered.
                endOfData_ = true;
                fill_ = pos_ = 0;
                break;
            }
            ++taken;
            if (byte == 0x00) {
                heldNul = true;
                continue;
            }
            char16_t delivered = byte;
            if (byte == kCr) {
                if (pos_ == fill_ && !endOfData_ && refill() == Fill::Failed) {
                    // The CR was read; the line ends with it and the next call tries again.
                    if (!heldNul)
                        line.push_back(u'\r');
                    readFailed = true;
                    break;
                }
                if (pos_ < fill_ && buffer_[pos_] == kLf) {
                    ++pos_;
                    delivered = u'\n';
                }
            }
            if (!heldNul)
                line.push_back(delivered);
            if (delivered == u'\n') {
                endsWithLf = true;
                break;
            }
        }

        if (taken == 0) {
            if (readFailed)
                throw FileError(FileError::GenericFailure, fullPath_);
            break;
        }
        if (endsWithLf || heldNul || readFailed || taken < kChunkSize)
            break;
    }

    const bool nonEmpty = !line.empty();
    if (nonEmpty && line.back() == u'\n')
        line.pop_back();
    return nonEmpty;
}

void TextLineReader::Close()
{
    if (!isOpen())
        return;
    const int fd = fd_;
    fd_ = -1;
    fill_ = pos_ = 0;
    endOfData_ = false;
    // Linux releases the descriptor even when close reports EINTR.
    if (::close(fd) != 0 && errno != EINTR)
        throw FileError(FileError::DiskFull, fullPath_);
}

}  // namespace kelvane
