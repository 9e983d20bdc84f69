#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChildProcess.h"
#include "FaultSupport.h"
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
using test::writeFile;

struct DiskFullCase {
    const char* name;
    int rows;
    std::uint64_t fileSizeLimit;
    // Only a failure while rows are written leaves the writer open, so only then
    // does its release fail as well.
    int releaseReports;
};

void PrintTo(const DiskFullCase& param, std::ostream* out) { *out << param.name; }

class DiskFull : public testing::TestWithParam<DiskFullCase> {};

// What the child saw, one item per line: the escaped error, then every report.
struct Seen {
    std::vector<std::string> lines;
};

Seen parse(const std::string& output)
{
    Seen seen;
    std::size_t start = 0;
    while (start < output.size()) {
        const auto end = output.find('\x1e', start);
        seen.lines.push_back(output.substr(start, end - start));
        start = end == std::string::npos ? output.size() : end + 1;
    }
    return seen;
}

TEST_P(DiskFull, ErrorLeavesConversionOnceAndKeepsWhatReachedTheFile)
{
    const auto& param = GetParam();
    TempDir dir;
    const std::string input = dir.file("pins.txt");
    const std::string csv = input + ".csv";
    const std::string pinout = test::pinoutWithRows(param.rows);
    writeFile(input, pinout);

    // The whole CSV, for comparison, converted from a copy without a limit.
    writeFile(dir.file("whole.txt"), pinout);
    test::RecordingSink wholeSink;
    PinoutCsvConverter().Convert(test::widen(dir.file("whole.txt")), wholeSink);
    const std::string whole = readFile(dir.file("whole.txt.csv"));
    ASSERT_GT(whole.size(), param.fileSizeLimit);

    const auto result = test::runInChild(
        [&] {
            std::string seen;
            setReleaseFailureReporter([&](const std::u16string& text) { seen += "report: " + toUtf8(text) + '\x1e'; });
            test::RecordingSink sink;
            try {
                PinoutCsvConverter().Convert(test::widen(input), sink);
                seen += "no error\x1e";
            } catch (const FileError& error) {
                seen += "error " + std::to_string(error.cause()) + ": " + error.what() + '\x1e';
            }
            seen += "messages shown: " + std::to_string(sink.messages.size());
            return seen;
        },
        param.fileSizeLimit);

    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto seen = parse(result.output);
    ASSERT_EQ(seen.lines.size(), 2u + static_cast<std::size_t>(param.releaseReports)) << result.output;
    // The release happens while the error unwinds, before the caller catches it.
    const auto reports = static_cast<std::size_t>(param.releaseReports);
    for (std::size_t i = 0; i < reports; ++i) {
        const std::string& report = seen.lines[i];
        EXPECT_TRUE(report.starts_with("report: Exception thrown in destructor (TextLineWriter.cpp:")) << report;
        EXPECT_TRUE(report.ends_with(")\nDisk full while accessing " + csv + ".")) << report;
    }
    EXPECT_EQ(seen.lines[reports], "error 13: Disk full while accessing " + csv + ".");
    EXPECT_EQ(seen.lines.back(), "messages shown: 0");

    EXPECT_EQ(readFile(csv), whole.substr(0, param.fileSizeLimit));
    EXPECT_EQ(readFile(input), pinout);
}

INSTANTIATE_TEST_SUITE_P(Faults, DiskFull,
    testing::Values(
        // The third buffer write-out is cut short part way.
        DiskFullCase{"WhileRowsAreWrittenPartWayThroughABuffer", 2000, 10000, 1},
        // The disk fills exactly at a buffer boundary.
        DiskFullCase{"WhileRowsAreWrittenAtABufferBoundary", 2000, 8192, 1},
        // Every row fits in the buffer; only its write-out at close fails.
        DiskFullCase{"WhileTheBufferIsWrittenOutAtClose", 40, 100, 0},
        DiskFullCase{"BeforeAnyByteReachesTheFile", 40, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kelvane
