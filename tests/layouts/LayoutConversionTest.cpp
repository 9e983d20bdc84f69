#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "Files.h"
#include "PinoutCsvConverter.h"
#include "RecordingSink.h"
#include "TempDir.h"

namespace kelvane {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

constexpr const char* kHeader = "Pin Group,Number,Name,Type,Swap,Seq.\r\n";

struct Outcome {
    std::string csv;
    ConversionSummary summary;
    test::RecordingSink sink;
};

Outcome convert(const std::string& pinoutBytes)
{
    TempDir dir;
    const std::string input = dir.file("pinout.txt");
    writeFile(input, pinoutBytes);
    Outcome outcome;
    PinoutCsvConverter().Convert(test::widen(input), outcome.sink, outcome.summary);
    outcome.csv = readFile(input + ".csv");
    return outcome;
}

std::string csvOf(const std::vector<std::string>& rows)
{
    std::string csv = kHeader;
    for (const auto& row : rows)
        csv += row + "\r\n";
    return csv;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (auto pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
}

// The same file with the other kind of line end: CR LF for LF and LF for CR LF.
std::string withOtherLineEnds(const std::string& text)
{
    if (text.find("\r\n") != std::string::npos)
        return replaceAll(text, "\r\n", "\n");
    return replaceAll(text, "\n", "\r\n");
}

struct FixtureCase {
    const char* input;
    const char* expected;
    PinoutLayout layout;
    std::int64_t groups;
};

void PrintTo(const FixtureCase& c, std::ostream* os) { *os << c.input; }

class LayoutFixture : public testing::TestWithParam<std::tuple<FixtureCase, bool>> {};

TEST_P(LayoutFixture, ConvertsByteForByteWithAsManyPinsAsTheFooterStates)
{
    const auto& [fixture, otherLineEnds] = GetParam();
    std::string pinout = readFile(test::fixturePath(std::string("layouts/") + fixture.input));
    if (otherLineEnds)
        pinout = withOtherLineEnds(pinout);

    const Outcome outcome = convert(pinout);

    EXPECT_EQ(outcome.csv, readFile(test::fixturePath(std::string("layouts/") + fixture.expected)));
    EXPECT_EQ(outcome.summary.layout, fixture.layout);
    EXPECT_EQ(outcome.summary.groups, fixture.groups);
    ASSERT_TRUE(outcome.summary.statedPins.has_value());
    EXPECT_EQ(outcome.summary.pins, *outcome.summary.statedPins);
    ASSERT_EQ(outcome.sink.messages.size(), 1u);
    EXPECT_EQ(outcome.sink.messages[0].text, u"File is Successfully Generated\uFF01");
    EXPECT_EQ(outcome.sink.messages[0].style, MessageStyle::Plain);
}

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutFixture,
    testing::Combine(
        testing::Values(
            FixtureCase{"titled-tab.txt", "titled-tab.expected.csv", PinoutLayout::TitledTab, 4},
            FixtureCase{"space-aligned.txt", "space-aligned.expected.csv", PinoutLayout::SpaceAligned, 5},
            FixtureCase{"comma-separated.csv", "comma-separated.expected.csv", PinoutLayout::CommaSeparated, 4}),
        testing::Bool()));

TEST(TabLayout, WorkedExampleKeepsItsBytesAndReportsItsFooter)
{
    const Outcome outcome = convert(readFile(test::fixturePath("worked-example.txt")));

    EXPECT_EQ(outcome.csv, readFile(test::fixturePath("worked-example.expected.csv")));
    EXPECT_EQ(outcome.summary.layout, PinoutLayout::Tab);
    EXPECT_EQ(outcome.summary.pins, 10);
    EXPECT_EQ(outcome.summary.groups, 5);
    EXPECT_EQ(outcome.summary.statedPins, std::optional<std::int64_t>(10));
}

struct PinoutCase {
    const char* name;
    std::string pinout;
    std::vector<std::string> rows;
    PinoutLayout layout;
};

void PrintTo(const PinoutCase& c, std::ostream* os) { *os << c.name; }

class ConvertsTo : public testing::TestWithParam<PinoutCase> {};

TEST_P(ConvertsTo, ExpectedRowsInExpectedLayout)
{
    const Outcome outcome = convert(GetParam().pinout);

    EXPECT_EQ(outcome.csv, csvOf(GetParam().rows));
    EXPECT_EQ(outcome.summary.layout, GetParam().layout);
}

// Files that only look titled: they keep the plain tab layout's rules, title-like lines and all.
INSTANTIATE_TEST_SUITE_P(NearMissesStayTabLayout, ConvertsTo,
    testing::Values(
        PinoutCase{"third line starts with Pin but holds tabs",
            "Device/Package kx1 2026-01-01\n\nPin\tBank\tName \nA1\t0\tIO_A \n\n",
            {"Gate-A,Pin,Name,Undefined,0,1", "Gate-B,A1,IO_A,Undefined,0,1"}, PinoutLayout::Tab},
        PinoutCase{"tab-separated title without a pin description",
            "Device/Package kx1 2026-01-01\n\nPin\tPin Name\tBank \nA1\t0\tIO_A \n",
            {"Gate-A,Pin,Bank,Undefined,0,1", "Gate-B,A1,IO_A,Undefined,0,1"}, PinoutLayout::Tab},
        PinoutCase{"space-aligned title among the skipped lines",
            "Pin  Pin Name  Bank\n# notes\nA1\t0\tIO_A \nA2\t0\tIO_B \n",
            {"Gate-A,A1,IO_A,Undefined,0,1", "Gate-A,A2,IO_B,Undefined,0,2"}, PinoutLayout::Tab},
        PinoutCase{"comma-separated title among the skipped lines",
            "--\nPin,Pin Name,Bank\nA1\t0\tIO_A \n",
            {"Gate-A,A1,IO_A,Undefined,0,1"}, PinoutLayout::Tab},
        PinoutCase{"title-like row between tab rows",
            "any\nthing\nA1\t0\tIO_A \nPin  Pin Name  Bank \nA2\t0\tIO_B \n",
            {"Gate-A,A1,IO_A,Undefined,0,1", "Gate-A,Pin  Pin Name  Bank ,,Undefined,0,2",
                "Gate-A,A2,IO_B,Undefined,0,3"},
            PinoutLayout::Tab},
        PinoutCase{"tab-separated title as a skipped second line",
            "Device/Package xx\nPin\tBank\tPin Description\nA1\t0\tIO_A \nA2\t0\tGND\n\t\tjunk\nB1\t1\tIO_B \n",
            {"Gate-A,A1,IO_A,Undefined,0,1", "Gate-A,A2,GN,Undefined,0,2"}, PinoutLayout::Tab},
        PinoutCase{"tab-separated title as a skipped first line",
            "Pin\tBank\tPin Description\n\t\nA1\t0\tIO_A \n\t\nB1\t1\tIO_B \n",
            {"Gate-A,A1,IO_A,Undefined,0,1", "Gate-A,,,Undefined,0,2", "Gate-B,B1,IO_B,Undefined,0,1"},
            PinoutLayout::Tab},
        PinoutCase{"title below a row that is no header",
            "Device/Package kx1\n\nA1  IO_A  0\nPin  Pin Name  Bank\nB1  IO_B  1\n",
            {"Gate-,A1  IO_A  0,,Undefined,0,1", "Gate-,Pin  Pin Name  Bank,,Undefined,0,2",
                "Gate-,B1  IO_B  1,,Undefined,0,3"},
            PinoutLayout::Tab}));

INSTANTIATE_TEST_SUITE_P(TitledLayoutEdges, ConvertsTo,
    testing::Values(
        PinoutCase{"space-aligned rows end at the end of the file",
            "Pin  Pin Name  Bank\nA1   IO_A      0\nA2   IO_B      1",
            {"Gate-A,A1,IO_A,Undefined,0,1", "Gate-B,A2,IO_B,Undefined,0,1"}, PinoutLayout::SpaceAligned},
        PinoutCase{"space-aligned rows end at a footer with no blank line before it",
            "Pin  Pin Name  Bank\n\nA1   IO_A      0\nTotal Number of Pins 1\nA2   IO_B      1\n",
            {"Gate-A,A1,IO_A,Undefined,0,1"}, PinoutLayout::SpaceAligned},
        PinoutCase{"space-aligned row with an empty cell before the bank",
            "Pin  Pin Name  Group  Bank  Type\nA1   IO_A      T0     0     HR\nA2   IO_B             0     HR\n",
            {"Gate-A,A1,IO_A,Undefined,0,1", "Gate-A,A2,IO_B,Undefined,0,2"}, PinoutLayout::SpaceAligned},
        PinoutCase{"comma-separated value holding a comma or a quote is written quoted",
            "Pin,Pin Name,Bank\nA1,\"IO,X\",0\nA2,\"IO \"\"Y\"\"\",0\n",
            {"Gate-A,A1,\"IO,X\",Undefined,0,1", "Gate-A,A2,\"IO \"\"Y\"\"\",Undefined,0,2"},
            PinoutLayout::CommaSeparated},
        PinoutCase{"comma-separated row without a name takes its bank as name",
            "Pin,Bank,Pin Name\nA1,0,IO_A\nA2,NC\nA3,0,IO_B\n",
            {"Gate-A,A1,IO_A,Undefined,0,1", "Gate-A,A2,NC,Undefined,0,2", "Gate-A,A3,IO_B,Undefined,0,3"},
            PinoutLayout::CommaSeparated},
        PinoutCase{"titled tab rows start after the blank lines below the title",
            "Device/Package kx6 2026\n\nPin\tBank\tBUFIO2\tPin Description \n\n\nP1\t0\tNA\tIO_A \n\nP2\t0\tNA\tIO_B \n",
            {"Gate-A,P1,IO_A,Undefined,0,1"}, PinoutLayout::TitledTab}));

// Detection holds back at most 200 lines and 64 KiB; past that the file is tab layout,
// and every held-back line still reaches the conversion once, in order.
std::string headerLines(int count, const std::string& line)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line + "\n";
    return text;
}

TEST(LayoutDetection, FindsTheTitleOnTheTwoHundredthLine)
{
    const Outcome outcome = convert(headerLines(199, "# note") + "Pin  Pin Name  Bank\nA1   IO_A      0\n");

    EXPECT_EQ(outcome.summary.layout, PinoutLayout::SpaceAligned);
    EXPECT_EQ(outcome.csv, csvOf({"Gate-A,A1,IO_A,Undefined,0,1"}));
}

TEST(LayoutDetection, LooksNoFurtherThanTwoHundredLines)
{
    const Outcome outcome = convert(headerLines(200, "# note") + "Pin  Pin Name  Bank\nA1   IO_A      0\n");

    EXPECT_EQ(outcome.summary.layout, PinoutLayout::Tab);
    std::vector<std::string> rows(198, "Gate-,# note,,Undefined,0,");
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] += std::to_string(i + 1);
    rows.push_back("Gate-,Pin  Pin Name  Bank,,Undefined,0,199");
    rows.push_back("Gate-,A1   IO_A      0,,Undefined,0,200");
    EXPECT_EQ(outcome.csv, csvOf(rows));
}

TEST(LayoutDetection, LooksNoFurtherThanSixtyFourKibibytes)
{
    const std::string longComment = "# " + std::string(70 * 1024, 'x');
    const Outcome outcome = convert(longComment + "\n\nPin  Pin Name  Bank\nA1   IO_A      0\n");

    EXPECT_EQ(outcome.summary.layout, PinoutLayout::Tab);
    EXPECT_EQ(outcome.csv, csvOf({"Gate-,Pin  Pin Name  Bank,,Undefined,0,1", "Gate-,A1   IO_A      0,,Undefined,0,2"}));
}

}  // namespace
}  // namespace kelvane
