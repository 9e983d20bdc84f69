#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "FaultSupport.h"
#include "Files.h"
#include "PinoutCsvConverter.h"
#include "RecordingSink.h"
#include "TempDir.h"
#include "TextLineReader.h"

namespace kelvane {
namespace {

using test::fileExists;
using test::readFile;
using test::TempDir;
using test::writeFile;

const std::string kHeader = "Pin Group,Number,Name,Type,Swap,Seq.\r\n";

std::vector<std::string> linesOf(const std::string& crLfText)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < crLfText.size()) {
        const auto end = crLfText.find("\r\n", start);
        lines.push_back(crLfText.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

struct WhileOpenCase {
    const char* name;
    // Done to the input after its first line was read; the path is in the folder.
    std::function<void(const TempDir& dir, const std::string& path)> act;
    // Whether every line of the original still comes back.
    bool wholeOriginal;
};
void PrintTo(const WhileOpenCase& param, std::ostream* out) { *out << param.name; }


class InputChangedWhileOpen : public testing::TestWithParam<WhileOpenCase> {};

TEST_P(InputChangedWhileOpen, ReaderGoesOnWithoutFailing)
{
    TempDir dir;
    const std::string path = dir.file("pins.txt");
    // Larger than one read buffer, so reads after the change reach the file.
    const std::string original = test::pinoutWithRows(1000);
    writeFile(path, original);
    const auto originalLines = linesOf(original);

    TextLineReader reader;
    ASSERT_TRUE(reader.Open(test::widen(path)));
    std::u16string line;
    ASSERT_TRUE(reader.ReadLine(line));
    GetParam().act(dir, path);

    std::vector<std::string> got{test::narrow(line)};
    while (reader.ReadLine(line))
        got.push_back(test::narrow(line));
    EXPECT_TRUE(line.empty());
    EXPECT_FALSE(reader.ReadLine(line));
    reader.Close();

    if (GetParam().wholeOriginal) {
        EXPECT_EQ(got, originalLines);
    } else {
        // What was already buffered comes back; the last line may be cut where the buffer ended.
        ASSERT_LT(got.size(), originalLines.size());
        for (std::size_t i = 0; i + 1 < got.size(); ++i)
            EXPECT_EQ(got[i], originalLines[i]) << "line " << i;
        EXPECT_TRUE(originalLines[got.size() - 1].starts_with(got.back()));
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, InputChangedWhileOpen,
    testing::Values(
        WhileOpenCase{"Deleted",
            [](const TempDir&, const std::string& path) { ASSERT_EQ(std::remove(path.c_str()), 0); }, true},
        WhileOpenCase{"ReplacedByRename",
            [](const TempDir& dir, const std::string& path) {
                writeFile(dir.file("other.txt"), "other\r\n");
                ASSERT_EQ(std::rename(dir.file("other.txt").c_str(), path.c_str()), 0);
            },
            true},
        WhileOpenCase{"TruncatedInPlace",
            [](const TempDir&, const std::string& path) { ASSERT_EQ(::truncate(path.c_str(), 0), 0); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputFaults, FiftyMegabyteLineWithoutLfConvertsWhole)
{
    TempDir dir;
    const std::string input = dir.file("long.txt");
    const std::string number(50u << 20, 'N');
    const std::string pinout = "heading\r\n\r\n" + number + "\t7\tIO_Z ";
    writeFile(input, pinout);

    test::RecordingSink sink;
    PinoutCsvConverter().Convert(test::widen(input), sink);

    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].style, MessageStyle::Plain);
    EXPECT_TRUE(readFile(input + ".csv") == kHeader + "Gate-A," + number + ",IO_Z,Undefined,0,1\r\n");
    EXPECT_TRUE(readFile(input) == pinout);
}

struct OddBytesCase {
    const char* name;
    std::string bytes;
    bool firstLineResult;
    std::string firstLine;
};
void PrintTo(const OddBytesCase& param, std::ostream* out) { *out << param.name; }


class FileOfOneByte : public testing::TestWithParam<OddBytesCase> {};

TEST_P(FileOfOneByte, ReadsByTheByteRulesAndConvertsToTheHeaderAlone)
{
    const auto& param = GetParam();
    TempDir dir;
    const std::string input = dir.file("odd.txt");
    writeFile(input, param.bytes);

    TextLineReader reader;
    ASSERT_TRUE(reader.Open(test::widen(input)));
    std::u16string line;
    EXPECT_EQ(reader.ReadLine(line), param.firstLineResult);
    EXPECT_EQ(test::narrow(line), param.firstLine);
    reader.Close();

    test::RecordingSink sink;
    PinoutCsvConverter().Convert(test::widen(input), sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].style, MessageStyle::Plain);
    EXPECT_EQ(readFile(input + ".csv"), kHeader);
    EXPECT_EQ(readFile(input), param.bytes);
}

// 10000 bytes span three read buffers, so the boundaries are crossed too.
INSTANTIATE_TEST_SUITE_P(Faults, FileOfOneByte,
    testing::Values(
        // Each line is a NUL-led chunk: empty and false, though the file goes on.
        OddBytesCase{"OnlyNul", std::string(10000, '\0'), false, ""},
        // No CR is followed by LF, so every one is delivered: one line of them all.
        OddBytesCase{"OnlyCr", std::string(10000, '\r'), true, std::string(10000, '\r')}),
    [](const auto& info) { return std::string(info.param.name); });

struct NotAFileCase {
    const char* name;
    // Makes the input in the folder and returns its path.
    std::function<std::string(const TempDir&)> make;
};
void PrintTo(const NotAFileCase& param, std::ostream* out) { *out << param.name; }


class InputNotARegularFile : public testing::TestWithParam<NotAFileCase> {};

TEST_P(InputNotARegularFile, IsRefusedAtOnce)
{
    TempDir dir;
    const std::string input = GetParam().make(dir);

    const auto result = test::convertWithinDeadline(input);

    EXPECT_EQ(result.exitCode, 0) << "the conversion crashed or hung";
    EXPECT_EQ(result.output, "Error: File is Not Found\xEF\xBC\x81\n");
    EXPECT_FALSE(fileExists(input + ".csv"));
}

INSTANTIATE_TEST_SUITE_P(Faults, InputNotARegularFile,
    testing::Values(NotAFileCase{"DevZero", [](const TempDir&) { return std::string("/dev/zero"); }},
        NotAFileCase{"Fifo",
            [](const TempDir& dir) {
                const std::string path = dir.file("pins.txt");
                if (::mkfifo(path.c_str(), 0600) != 0)
                    throw std::runtime_error("mkfifo failed");
                return path;
            }},
        NotAFileCase{"Folder",
            [](const TempDir& dir) {
                const std::string path = dir.file("pins.txt");
                if (::mkdir(path.c_str(), 0700) != 0)
                    throw std::runtime_error("mkdir failed");
                return path;
            }}),
    [](const auto& info) { return std::string(info.param.name); });

// Found by fuzzing: a line that begins with NUL reads as false and empty although
// the file goes on, and the lines after it must still be converted.
TEST(InputFaults, LineThatBeginsWithNulDoesNotEndTheFile)
{
    TempDir dir;
    const std::string input = dir.file("pins.txt");
    using namespace std::string_literals;
    const std::string pinout = "Device/Package kvnul 2026-12-01\r\n\0\0junk\r\nA1\t0\tIO_A \r\n\0tail\r\nB1\t1\tIO_B \r\n"s;
    writeFile(input, pinout);

    test::RecordingSink sink;
    PinoutCsvConverter().Convert(test::widen(input), sink);

    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].style, MessageStyle::Plain);
    // The NUL-led fourth line reads as empty and ends the pins, as an empty line does.
    EXPECT_EQ(readFile(input + ".csv"), kHeader + "Gate-A,A1,IO_A,Undefined,0,1\r\n");
    EXPECT_EQ(readFile(input), pinout);
}

}  // namespace
}  // namespace kelvane
