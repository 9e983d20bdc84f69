#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "Files.h"
#include "RunProgram.h"
#include "TempDir.h"

namespace kelvane {
namespace {

using test::readFile;
using test::runProgram;
using test::TempDir;
using test::writeFile;

const std::string kConverter = KELVANE_CONVERT;
const std::string kPinout = "Device/Package demo\n\nA1\t0\tIO_A \nA2\tNA\tGND \n";
const std::string kCsv = "Pin Group,Number,Name,Type,Swap,Seq.\r\nGate-A,A1,IO_A,Undefined,0,1\r\nGate-B,A2,GND,Undefined,0,1\r\n";

struct UsageCase {
    std::vector<std::string> args;
    int exitCode;
    std::string outStart;
    std::string err;
};

class ConverterUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(ConverterUsage, ExitsAndPrintsAsExpected)
{
    const auto result = runProgram(kConverter, GetParam().args);
    EXPECT_EQ(result.exitCode, GetParam().exitCode);
    EXPECT_TRUE(result.out.starts_with(GetParam().outStart)) << result.out;
    EXPECT_EQ(result.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(Options, ConverterUsage, ::testing::Values(
    UsageCase{{}, 2, "", "kelvane-convert: no pinout FILE given\nTry 'kelvane-convert --help' for more information.\n"},
    UsageCase{{"--frobnicate", "x.txt"}, 2, "", "kelvane-convert: unrecognized option '--frobnicate'\nTry 'kelvane-convert --help' for more information.\n"},
    UsageCase{{"--help"}, 0, "Usage: kelvane-convert [OPTION]... FILE...\n", ""},
    UsageCase{{"-h"}, 0, "Usage: kelvane-convert [OPTION]... FILE...\n", ""},
    UsageCase{{"--version"}, 0, "kelvane-convert 0.1.0\n", ""}));

TEST(Converter, ConvertsAFileAndSaysWhereTheCsvWent)
{
    TempDir dir;
    writeFile(dir.file("board.txt"), kPinout);
    const auto result = runProgram(kConverter, {"board.txt"}, std::nullopt, dir.path());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "wrote board.txt.csv (tab layout, 2 pins, 2 groups)\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readFile(dir.file("board.txt.csv")), kCsv);
}

TEST(Converter, GoesOnPastAFileThatIsNotFound)
{
    TempDir dir;
    writeFile(dir.file("a.txt"), kPinout);
    writeFile(dir.file("c.txt"), kPinout);
    const auto result = runProgram(kConverter, {"a.txt", "b.txt", "c.txt"}, std::nullopt, dir.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "wrote a.txt.csv (tab layout, 2 pins, 2 groups)\nwrote c.txt.csv (tab layout, 2 pins, 2 groups)\n");
    EXPECT_EQ(result.err, "kelvane-convert: b.txt: File is Not Found\xEF\xBC\x81\n");
    EXPECT_EQ(readFile(dir.file("a.txt.csv")), kCsv);
    EXPECT_EQ(readFile(dir.file("c.txt.csv")), kCsv);
    EXPECT_FALSE(test::fileExists(dir.file("b.txt.csv")));
}

TEST(Converter, DoubleDashEndsOptions)
{
    TempDir dir;
    writeFile(dir.file("-pins.txt"), kPinout);
    const auto result = runProgram(kConverter, {"--", "-pins.txt"}, std::nullopt, dir.path());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(readFile(dir.file("-pins.txt.csv")), kCsv);
}

// A disk that fills: the error names the CSV's full path, the writer's failed release
// is reported too, and the converter goes on with the next file.
TEST(Converter, ReportsAFullDiskAndGoesOn)
{
    TempDir dir;
    std::string big = "h\nh\n";
    for (int i = 0; i < 1000; ++i)
        big += "P" + std::to_string(i) + "\t0\tIO_" + std::to_string(i) + " \n";
    writeFile(dir.file("big.txt"), big);
    writeFile(dir.file("small.txt"), kPinout);

    const auto result = runProgram(kConverter, {"big.txt", "small.txt"}, 6000, dir.path());

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "wrote small.txt.csv (tab layout, 2 pins, 2 groups)\n");
    const std::string diskFull = "Disk full while accessing " + dir.path() + "/big.txt.csv.";
    EXPECT_NE(result.err.find("kelvane-convert: Exception thrown in destructor (TextLineWriter.cpp:"), std::string::npos) << result.err;
    EXPECT_TRUE(result.err.ends_with("kelvane-convert: big.txt: " + diskFull + "\n")) << result.err;
    EXPECT_EQ(readFile(dir.file("big.txt.csv")).size(), 6000u);
    EXPECT_EQ(readFile(dir.file("big.txt")), big);
}

TEST(Converter, RefusesAFolderAndAFifoAtOnce)
{
    TempDir dir;
    const std::string fifo = dir.file("pipe.txt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto result = runProgram(kConverter, {dir.path(), fifo});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "kelvane-convert: " + dir.path() + ": File is Not Found\xEF\xBC\x81\n"
        "kelvane-convert: " + fifo + ": File is Not Found\xEF\xBC\x81\n");
}

// Each refusal of the file layer reaches the user as "not found": the input is
// never changed, and a CSV that was there is left as it was.
struct RefusalCase {
    const char* name;
    // Prepares the folder and returns the FILE argument.
    std::function<std::string(const TempDir&)> prepare;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class ConverterRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ConverterRefusals, ReportEachFileAndChangeNothing)
{
    TempDir dir;
    const std::string file = GetParam().prepare(dir);
    const auto contents = [&](const std::string& path) {
        const std::filesystem::path inDir = std::filesystem::path(dir.path()) / path;
        std::error_code error;
        return std::filesystem::symlink_status(inDir, error).type() == std::filesystem::file_type::regular
            ? readFile(inDir.string())
            : std::string("(no regular file)");
    };
    const std::string inputBefore = contents(file);
    const std::string csvBefore = contents(file + ".csv");

    const auto result = runProgram(kConverter, {file}, std::nullopt, dir.path());

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "kelvane-convert: " + file + ": File is Not Found\xEF\xBC\x81\n");
    EXPECT_EQ(contents(file), inputBefore);
    EXPECT_EQ(contents(file + ".csv"), csvBefore);
}

std::string pinoutIn(const TempDir& dir, const std::string& name)
{
    writeFile(dir.file(name), kPinout);
    return dir.file(name);
}

// Holds an exclusive lock on a file for as long as the test runs, as another
// program holding it open would.
int holdLocked(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    ::flock(fd, LOCK_EX);
    return fd;
}

INSTANTIATE_TEST_SUITE_P(FileLayer, ConverterRefusals, ::testing::Values(
    RefusalCase{"EmptyPath", [](const TempDir&) { return std::string(); }},
    RefusalCase{"MissingFile", [](const TempDir& dir) { return dir.file("missing.txt"); }},
    RefusalCase{"Folder", [](const TempDir& dir) { return dir.path(); }},
    RefusalCase{"PathOf260Characters", [](const TempDir&) { return "/" + std::string(259, 'a'); }},
    RefusalCase{"FullPathOf260Characters",
        [](const TempDir& dir) { return pinoutIn(dir, std::string(260 - dir.path().size() - 1, 'p')).substr(dir.path().size() + 1); }},
    RefusalCase{"InputHeldByAnotherOpener",
        [](const TempDir& dir) { const auto path = pinoutIn(dir, "held.txt"); holdLocked(path); return path; }},
    RefusalCase{"CsvIsReadOnly",
        [](const TempDir& dir) {
            const auto path = pinoutIn(dir, "ro.txt");
            writeFile(path + ".csv", "kept");
            ::chmod((path + ".csv").c_str(), 0444);
            return path;
        }},
    RefusalCase{"CsvIsAFolder",
        [](const TempDir& dir) { const auto path = pinoutIn(dir, "f.txt"); ::mkdir((path + ".csv").c_str(), 0700); return path; }},
    RefusalCase{"CsvHeldByAnotherOpener",
        [](const TempDir& dir) {
            const auto path = pinoutIn(dir, "h.txt");
            writeFile(path + ".csv", "kept");
            holdLocked(path + ".csv");
            return path;
        }},
    RefusalCase{"CsvPathOf260Characters",
        [](const TempDir& dir) { return pinoutIn(dir, std::string(256 - dir.path().size() - 1, 'q')); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Reading a process's own memory from address 0 fails: a file that opens but
// can't be read. The CSV was created before the first line was read, and keeps
// nothing, since the failure came before the header.
TEST(Converter, InputThatCannotBeReadIsAnUnknownError)
{
    TempDir dir;
    ASSERT_EQ(::symlink("/proc/self/mem", dir.file("mem.txt").c_str()), 0);
    const auto result = runProgram(kConverter, {"mem.txt"}, std::nullopt, dir.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "kelvane-convert: mem.txt: An unknown error occurred while accessing " + dir.path() + "/mem.txt.\n");
    EXPECT_EQ(readFile(dir.file("mem.txt.csv")), "");
}

}  // namespace
}  // namespace kelvane
