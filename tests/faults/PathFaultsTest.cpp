#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <string>

#include "FaultSupport.h"
#include "FileError.h"
#include "Files.h"
#include "PinoutCsvConverter.h"
#include "RecordingSink.h"
#include "TempDir.h"
#include "TextLineReader.h"
#include "Utf16.h"

namespace kelvane {
namespace {

using test::fileExists;
using test::readFile;
using test::TempDir;
using test::writeFile;

const std::string kNotFound = "Error: File is Not Found\xEF\xBC\x81\n";
const std::string kSuccess = "Plain: File is Successfully Generated\xEF\xBC\x81\n";
const std::string kPinout = "heading\r\n\r\nA1\t0\tIO_A \r\nA2\tNA\tGND \r\n";
const std::string kCsv = "Pin Group,Number,Name,Type,Swap,Seq.\r\nGate-A,A1,IO_A,Undefined,0,1\r\n"
                         "Gate-B,A2,GND,Undefined,0,1\r\n";

TEST(PathFaults, CsvPathThatIsASymlinkToTheInputIsRefused)
{
    TempDir dir;
    const std::string input = dir.file("pins.txt");
    writeFile(input, kPinout);
    ASSERT_EQ(::symlink(input.c_str(), (input + ".csv").c_str()), 0);

    const auto result = test::convertWithinDeadline(input);

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, kNotFound);
    EXPECT_EQ(readFile(input), kPinout);
    struct stat status {};
    ASSERT_EQ(::lstat((input + ".csv").c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
}

class LockedByOtherProcess : public testing::TestWithParam<bool> {};

TEST_P(LockedByOtherProcess, FileIsRefusedAndLeftAsItWas)
{
    const bool csvLocked = GetParam();
    TempDir dir;
    const std::string input = dir.file("pins.txt");
    const std::string csv = input + ".csv";
    writeFile(input, kPinout);
    writeFile(csv, "kept\r\n");

    const auto result = [&] {
        test::LockedByOtherProcess lock(csvLocked ? csv : input);
        return test::convertWithinDeadline(input);
    }();

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, kNotFound);
    EXPECT_EQ(readFile(csv), "kept\r\n");
    EXPECT_EQ(readFile(input), kPinout);
}

INSTANTIATE_TEST_SUITE_P(Faults, LockedByOtherProcess, testing::Bool(),
    [](const auto& info) { return std::string(info.param ? "Csv" : "Input"); });

// A path of exactly `length` characters under the folder, ending in ".txt".
std::string pathOfLength(const TempDir& dir, std::size_t length)
{
    const std::string folder = dir.file(std::string(150, 'd'));
    ::mkdir(folder.c_str(), 0700);
    const std::size_t nameLength = length - folder.size() - 1;
    return folder + "/" + std::string(nameLength - 4, 'p') + ".txt";
}

struct PathLengthCase {
    std::size_t inputLength;
    bool converts;
};
void PrintTo(const PathLengthCase& param, std::ostream* out) { *out << param.inputLength; }


class InputPathLength : public testing::TestWithParam<PathLengthCase> {};

TEST_P(InputPathLength, CsvPathMustStayUnder260Characters)
{
    TempDir dir;
    const std::string input = pathOfLength(dir, GetParam().inputLength);
    ASSERT_EQ(input.size(), GetParam().inputLength);
    writeFile(input, kPinout);

    const auto result = test::convertWithinDeadline(input);

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, GetParam().converts ? kSuccess : kNotFound);
    if (GetParam().converts)
        EXPECT_EQ(readFile(input + ".csv"), kCsv);
    else
        EXPECT_FALSE(fileExists(input + ".csv"));
    EXPECT_EQ(readFile(input), kPinout);
}

INSTANTIATE_TEST_SUITE_P(Faults, InputPathLength,
    testing::Values(PathLengthCase{255, true}, PathLengthCase{256, false}, PathLengthCase{259, false},
        PathLengthCase{260, false}),
    [](const auto& info) { return "Input" + std::to_string(info.param.inputLength); });

class RelativePathLength : public testing::TestWithParam<std::size_t> {};

TEST_P(RelativePathLength, FullPathDecides)
{
    TempDir dir;
    const std::size_t fullLength = GetParam();
    const std::string input = pathOfLength(dir, fullLength);
    writeFile(input, kPinout);
    const std::string folder = input.substr(0, input.rfind('/'));
    const std::string name = input.substr(input.rfind('/') + 1);

    const auto result = test::runInChild([&] {
        if (::chdir(folder.c_str()) != 0)
            return std::string("chdir failed");
        TextLineReader reader;
        return std::string(reader.Open(test::widen(name)) ? "opened" : "refused");
    });

    EXPECT_EQ(result.output, fullLength < 260 ? "opened" : "refused");
    EXPECT_EQ(readFile(input), kPinout);
}

INSTANTIATE_TEST_SUITE_P(Faults, RelativePathLength, testing::Values(259u, 260u),
    [](const auto& info) { return "Full" + std::to_string(info.param); });

class NonAsciiPath : public testing::TestWithParam<std::string> {};

std::set<std::string> namesIn(const std::string& folder)
{
    std::set<std::string> names;
    DIR* listing = ::opendir(folder.c_str());
    while (const dirent* entry = listing ? ::readdir(listing) : nullptr) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.insert(name);
    }
    if (listing)
        ::closedir(listing);
    return names;
}

TEST_P(NonAsciiPath, NameRoundTripsToTheFileSystem)
{
    TempDir dir;
    const std::string name = GetParam();
    const std::string input = dir.file(name);
    writeFile(input, kPinout);

    const auto result = test::convertWithinDeadline(input);

    EXPECT_EQ(result.output, kSuccess);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{name, name + ".csv"}));
    EXPECT_EQ(readFile(input + ".csv"), kCsv);
    EXPECT_EQ(readFile(input), kPinout);
}

TEST_P(NonAsciiPath, ErrorNamesTheCsvFileExactly)
{
    TempDir dir;
    const std::string input = dir.file(GetParam());
    writeFile(input, kPinout);

    const auto result = test::runInChild(
        [&] {
            test::RecordingSink sink;
            try {
                PinoutCsvConverter().Convert(fromUtf8(input), sink);
            } catch (const FileError& error) {
                return std::string(error.what());
            }
            return std::string("no error");
        },
        0);

    EXPECT_EQ(result.output, "Disk full while accessing " + input + ".csv.");
    EXPECT_EQ(readFile(input), kPinout);
}

INSTANTIATE_TEST_SUITE_P(Faults, NonAsciiPath,
    testing::Values(std::string("pin\xC3\xBC-b\xC3\xA4nk.txt"),             // Latin-1 range
        std::string("\xE3\x83\x94\xE3\x83\xB3\xE9\x85\x8D\xE7\xBD\xAE.txt"),  // CJK
        std::string("pins-\xF0\x9F\x94\x8C.txt"),                           // outside the BMP
        std::string("raw-\xFF\xFE-bytes.txt")),                             // not UTF-8 at all
    [](const auto& info) { return "Name" + std::to_string(info.index); });

}  // namespace
}  // namespace kelvane
