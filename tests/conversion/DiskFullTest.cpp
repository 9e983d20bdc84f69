#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "FileError.h"
#include "Files.h"
#include "PinoutCsvConverter.h"
#include "RecordingSink.h"
#include "ReleaseFailureReporter.h"
#include "TempDir.h"
#include "Utf16.h"

namespace kelvane {
namespace {

using test::readFile;
using test::TempDir;
using test::widen;

std::string manyRows(int count)
{
    std::string body = "h\nh\n";
    for (int i = 0; i < count; ++i)
        body += "P" + std::to_string(i) + "\t" + std::to_string(i / 10) + "\tIO_L" + std::to_string(i) + " \n";
    return body;
}

// A disk that fills up after limit bytes: the conversion ends with a disk-full error
// naming the CSV, the CSV keeps every byte that reached it, the input is untouched,
// and the writer's failed release reaches the reporter once.
TEST(DiskFull, ConversionKeepsWrittenRowsAndNamesTheCsv)
{
    TempDir dir;
    const std::string input = dir.file("pins.txt");
    const std::string pinout = manyRows(2000);
    test::writeFile(input, pinout);
    {
        test::RecordingSink sink;
        PinoutCsvConverter().Convert(widen(input), sink);
    }
    const std::string complete = readFile(input + ".csv");
    ASSERT_GT(complete.size(), 20000u);

    constexpr std::uint64_t kLimit = 10000;
    const auto child = test::runInChild([&] {
        std::string report;
        setReleaseFailureReporter([&](const std::u16string& text) { report += "reported:" + toUtf8(text) + "\n"; });
        test::RecordingSink sink;
        try {
            PinoutCsvConverter().Convert(widen(input), sink);
            report += "no error\n";
        } catch (const FileError& error) {
            report += "error " + std::to_string(error.cause()) + ":" + error.what() + "\n";
        }
        report += "messages:" + std::to_string(sink.messages.size());
        return report;
    }, kLimit);

    ASSERT_EQ(child.exitCode, 0) << child.output;
    const std::string diskFull = "Disk full while accessing " + dir.path() + "/pins.txt.csv.";
    const std::string prefix = "reported:Exception thrown in destructor (TextLineWriter.cpp:";
    const std::string suffix = ")\n" + diskFull + "\nerror 13:" + diskFull + "\nmessages:0";
    ASSERT_TRUE(child.output.starts_with(prefix) && child.output.ends_with(suffix)) << child.output;
    const std::string lineNumber = child.output.substr(prefix.size(), child.output.size() - prefix.size() - suffix.size());
    EXPECT_FALSE(lineNumber.empty());
    EXPECT_EQ(lineNumber.find_first_not_of("0123456789"), std::string::npos) << lineNumber;

    const std::string kept = readFile(input + ".csv");
    EXPECT_EQ(kept.size(), kLimit);
    EXPECT_EQ(kept, complete.substr(0, kLimit));
    EXPECT_EQ(readFile(input), pinout);
}

TEST(DiskFull, ErrorAtTheFinalWriteOutIsRaisedByClose)
{
    TempDir dir;
    const std::string input = dir.file("pins.txt");
    test::writeFile(input, manyRows(10));
    const auto child = test::runInChild([&] {
        std::string report;
        setReleaseFailureReporter([&](const std::u16string&) { report += "reported\n"; });
        test::RecordingSink sink;
        try {
            PinoutCsvConverter().Convert(widen(input), sink);
        } catch (const FileError& error) {
            report += std::string(error.what()) + "\n";
        }
        return report + "messages:" + std::to_string(sink.messages.size());
    }, 0);

    ASSERT_EQ(child.exitCode, 0) << child.output;
    EXPECT_EQ(child.output, "Disk full while accessing " + dir.path() + "/pins.txt.csv.\nmessages:0");
    EXPECT_EQ(readFile(input + ".csv"), "");
}

}  // namespace
}  // namespace kelvane
