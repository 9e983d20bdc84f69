#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Files.h"
#include "RunProgram.h"
#include "TempDir.h"

namespace kelvane {
namespace {

using test::readFile;
using test::runProgram;
using test::TempDir;
using test::writeFile;

const std::string kConverter = KELVANE_CONVERT_PATH;

struct FooterCase {
    const char* name;
    const char* footer;
    bool check;
    int exitCode;
    bool warns;
};

void PrintTo(const FooterCase& c, std::ostream* os) { *os << c.name; }

class ConverterFooterCheck : public testing::TestWithParam<FooterCase> {};

TEST_P(ConverterFooterCheck, TellsLayoutPinsAndGroupsAndWarnsOnADifferentTotal)
{
    TempDir dir;
    const std::string input = dir.file("board.txt");
    const std::string pinout = readFile(test::fixturePath("layouts/space-aligned.txt"));
    const std::string footer = "Total Number of Pins, 11";
    ASSERT_NE(pinout.find(footer), std::string::npos);
    writeFile(input, pinout.substr(0, pinout.find(footer)) + GetParam().footer + "\r\n");
    std::vector<std::string> args;
    if (GetParam().check)
        args.push_back("--check");
    args.push_back(input);

    const auto result = runProgram(kConverter, args);

    EXPECT_EQ(result.exitCode, GetParam().exitCode);
    EXPECT_EQ(result.out, "wrote " + input + ".csv (space-aligned layout, 11 pins, 5 groups)\n");
    if (GetParam().warns)
        EXPECT_EQ(result.err, "kelvane-convert: " + input + ": warning: the footer states 12 pins, but 11 were converted\n");
    else
        EXPECT_EQ(result.err, "");
    EXPECT_EQ(readFile(input + ".csv"), readFile(test::fixturePath("layouts/space-aligned.expected.csv")));
}

INSTANTIATE_TEST_SUITE_P(Footers, ConverterFooterCheck,
    testing::Values(
        FooterCase{"agrees", "Total Number of Pins, 11", false, 0, false},
        FooterCase{"agrees with check", "Total Number of Pins 11", true, 0, false},
        FooterCase{"differs", "Total Number of Pins, 12", false, 0, true},
        FooterCase{"differs with check", "Total Number of Pins, 12", true, 1, true},
        FooterCase{"missing with check", "", true, 0, false}));

TEST(ConverterSuccessLine, CountsOnePinAndOneGroupInTheSingular)
{
    TempDir dir;
    const std::string input = dir.file("one.txt");
    writeFile(input, "Pin,Pin Name,Bank\nA1,IO_A,0\n");

    const auto result = runProgram(kConverter, {input});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "wrote " + input + ".csv (comma-separated layout, 1 pin, 1 group)\n");
}

TEST(ConverterFooterCheck, OnlyTheMismatchedFileFailsTheCheck)
{
    TempDir dir;
    const std::string good = dir.file("good.txt");
    const std::string bad = dir.file("bad.txt");
    writeFile(good, readFile(test::fixturePath("worked-example.txt")));
    writeFile(bad, "x\ny\nA1\t0\tIO_A \n\nTotal Number of Pins generated, 2\n");

    const auto result = runProgram(kConverter, {"--check", bad, good});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out,
        "wrote " + bad + ".csv (tab layout, 1 pin, 1 group)\n"
        "wrote " + good + ".csv (tab layout, 10 pins, 5 groups)\n");
    EXPECT_EQ(result.err, "kelvane-convert: " + bad + ": warning: the footer states 2 pins, but 1 were converted\n");
}

}  // namespace
}  // namespace kelvane
