#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include "FileError.h"
#include "Files.h"
#include "TempDir.h"
#include "TextLineReader.h"

namespace kelvane {
namespace {

using test::TempDir;
using test::widen;
using test::writeFile;

struct Read {
    bool result;
    std::string line;
    bool operator==(const Read&) const = default;
};

void PrintTo(const Read& read, std::ostream* os)
{
    *os << (read.result ? "true" : "false") << " \"" << ::testing::PrintToString(read.line) << "\"";
}

// Every ReadLine call until end of data: the calls that return false with an empty
// line once and for all are left off the list.
std::vector<Read> readAll(const std::string& path)
{
    TextLineReader reader;
    EXPECT_TRUE(reader.Open(widen(path)));
    std::vector<Read> reads;
    std::u16string line = u"stale";
    for (int quiet = 0; quiet < 3 && reads.size() < 10000;) {
        const bool result = reader.ReadLine(line);
        reads.push_back({result, test::narrow(line)});
        quiet = (!result && line.empty()) ? quiet + 1 : 0;
    }
    reads.resize(reads.size() - 3);
    return reads;
}

struct ReaderCase {
    const char* name;
    std::string bytes;
    std::vector<Read> expected;
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.name; }

std::string repeat(std::size_t count, char c = 'x') { return std::string(count, c); }

std::string withNulAt(std::size_t length, std::size_t nulIndex)
{
    std::string line;
    for (std::size_t i = 0; i < length; ++i)
        line.push_back(static_cast<char>('a' + i % 26));
    line[nulIndex] = '\0';
    return line;
}

std::string allHighBytes()
{
    std::string bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}

const std::string kNulLine = withNulAt(200, 10);

class TextLineReaderBytes : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(TextLineReaderBytes, DeliversTheExpectedLines)
{
    TempDir dir;
    const std::string path = dir.file("input.txt");
    writeFile(path, GetParam().bytes);
    EXPECT_EQ(readAll(path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(LineRules, TextLineReaderBytes, ::testing::Values(
    ReaderCase{"EmptyFile", "", {}},
    ReaderCase{"StartsWithEndOfText", "\x1a" "ab\ncd\n", {}},
    ReaderCase{"LastLineWithoutLf", "ab\ncd", {{true, "ab"}, {true, "cd"}}},
    ReaderCase{"CrLf", "ab\r\n", {{true, "ab"}}},
    ReaderCase{"Lf", "ab\n", {{true, "ab"}}},
    ReaderCase{"CrAtEndOfFile", "ab\r", {{true, "ab\r"}}},
    ReaderCase{"CrInsideLine", "a\rb\n", {{true, "a\rb"}}},
    ReaderCase{"CrCrLf", "a\r\r\nb", {{true, "a\r"}, {true, "b"}}},
    ReaderCase{"EmptyLinesReadTrue", "\n\r\nab\n", {{true, ""}, {true, ""}, {true, "ab"}}},
    ReaderCase{"EndOfTextEndsData", std::string("ab\x1a" "cd\nef\n"), {{true, "ab"}}},
    ReaderCase{"NulEndsLineText", std::string("ab\0cd\nef\n", 9), {{true, "ab"}, {true, "ef"}}},
    ReaderCase{"LineStartingWithNul", std::string("\0ab\ncd\n", 7), {{false, ""}, {true, "cd"}}},
    ReaderCase{"NulInFirstChunkOfLongLine", kNulLine + "\n", {{true, kNulLine.substr(0, 10)}, {true, kNulLine.substr(128)}}},
    ReaderCase{"HighBytes", allHighBytes() + "\n", {{true, allHighBytes()}}},
    ReaderCase{"Utf8ByteOrderMarkIsText", "\xEF\xBB\xBF" "ab\n", {{true, "\xEF\xBB\xBF" "ab"}}},
    ReaderCase{"CrLfAcrossBufferFills", repeat(4095) + "\r\ny\n", {{true, repeat(4095)}, {true, "y"}}},
    ReaderCase{"CrLastInFillThenText", repeat(4095) + "\rz\n", {{true, repeat(4095) + "\rz"}}},
    ReaderCase{"CrLastInFillThenEndOfText", repeat(4095) + "\r\x1a" "z\n", {{true, repeat(4095) + "\r"}}},
    ReaderCase{"LineAcrossManyFills", repeat(10000) + "\nb", {{true, repeat(10000)}, {true, "b"}}}),
    [](const auto& info) { return std::string(info.param.name); });

class TextLineReaderLongLines : public ::testing::TestWithParam<std::tuple<std::size_t, bool>> {};

TEST_P(TextLineReaderLongLines, ComeBackWhole)
{
    const auto [length, finalLf] = GetParam();
    std::string line;
    for (std::size_t i = 0; i < length; ++i)
        line.push_back(static_cast<char>('A' + i % 23));
    TempDir dir;
    writeFile(dir.file("long.txt"), line + (finalLf ? "\n" : "") + (finalLf ? "next\n" : ""));
    std::vector<Read> expected{{true, line}};
    if (finalLf)
        expected.push_back({true, "next"});
    EXPECT_EQ(readAll(dir.file("long.txt")), expected);
}

INSTANTIATE_TEST_SUITE_P(ChunkBoundaries, TextLineReaderLongLines,
    ::testing::Combine(::testing::Values(127, 128, 129, 256, 1000), ::testing::Bool()));

TEST(TextLineReader, StaysAtEndOfData)
{
    TempDir dir;
    writeFile(dir.file("a.txt"), "only\n");
    TextLineReader reader;
    ASSERT_TRUE(reader.Open(widen(dir.file("a.txt"))));
    std::u16string line;
    EXPECT_TRUE(reader.ReadLine(line));
    for (int i = 0; i < 3; ++i) {
        line = u"stale";
        EXPECT_FALSE(reader.ReadLine(line));
        EXPECT_EQ(line, u"");
    }
}

TEST(TextLineReader, RefusesWhatIsNotAReadableRegularFile)
{
    TempDir dir;
    ::mkfifo(dir.file("fifo").c_str(), 0600);
    TextLineReader reader;
    for (const std::string& path : {dir.file("missing.txt"), dir.path(), dir.file("fifo"), std::string(), std::string("/dev/null")}) {
        EXPECT_FALSE(reader.Open(widen(path))) << path;
        EXPECT_FALSE(reader.isOpen()) << path;
    }
}

TEST(TextLineReader, RefusesAFileAnotherOpenerHolds)
{
    TempDir dir;
    const std::string path = dir.file("held.txt");
    writeFile(path, "x\n");
    const int holder = ::open(path.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    TextLineReader reader;
    EXPECT_FALSE(reader.Open(widen(path)));
    ::close(holder);
    EXPECT_TRUE(reader.Open(widen(path)));
}

TEST(TextLineReader, CloseWhenNotOpenDoesNothing)
{
    TextLineReader reader;
    EXPECT_NO_THROW(reader.Close());
    EXPECT_NO_THROW(reader.Close());
}

TEST(TextLineReader, FailedReadRaisesGenericFailureNamingTheFile)
{
    // A regular file whose first read fails (EIO: address 0 is never mapped).
    const std::string path = "/proc/self/mem";
    TextLineReader reader;
    ASSERT_TRUE(reader.Open(widen(path)));
    std::u16string line;
    try {
        reader.ReadLine(line);
        FAIL() << "ReadLine did not raise";
    } catch (const FileError& error) {
        EXPECT_EQ(error.cause(), FileError::GenericFailure);
        EXPECT_EQ(error.fullPath(), widen(path));
        EXPECT_EQ(error.message(), u"An unknown error occurred while accessing /proc/self/mem.");
        EXPECT_STREQ(error.what(), "An unknown error occurred while accessing /proc/self/mem.");
    }
}

}  // namespace
}  // namespace kelvane
