#include <gtest/gtest.h>

#include <sys/stat.h>

#include "Files.h"
#include "PinoutCsvConverter.h"
#include "RecordingSink.h"
#include "TempDir.h"

namespace kelvane {
namespace {

using test::readFile;
using test::RecordingSink;
using test::TempDir;
using test::widen;
using test::writeFile;

const std::string kHeader = "Pin Group,Number,Name,Type,Swap,Seq.\r\n";
const std::u16string kNotFound = u"File is Not Found\uFF01";
const std::u16string kGenerated = u"File is Successfully Generated\uFF01";

void expectSingleMessage(const RecordingSink& sink, const std::u16string& text, MessageStyle style)
{
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, text);
    EXPECT_EQ(sink.messages[0].caption, u"Kelvane Ver0.01");
    EXPECT_EQ(sink.messages[0].style, style);
}

// Converts a pinout file made of two skipped lines and the given body; returns the CSV.
std::string convertBody(const std::string& body)
{
    TempDir dir;
    const std::string input = dir.file("pins.txt");
    writeFile(input, "Device/Package test\n\n" + body);
    RecordingSink sink;
    PinoutCsvConverter().Convert(widen(input), sink);
    expectSingleMessage(sink, kGenerated, MessageStyle::Plain);
    return readFile(input + ".csv");
}

TEST(PinoutCsvConverter, WorkedExampleConvertsByteForByte)
{
    TempDir dir;
    const std::string input = dir.file("board.txt");
    writeFile(input, readFile(test::fixturePath("worked-example.txt")));
    RecordingSink sink;

    PinoutCsvConverter().Convert(widen(input), sink);

    EXPECT_EQ(readFile(input + ".csv"), readFile(test::fixturePath("worked-example.expected.csv")));
    expectSingleMessage(sink, kGenerated, MessageStyle::Plain);
    EXPECT_EQ(readFile(input), readFile(test::fixturePath("worked-example.txt")));
}

struct RowsCase {
    const char* name;
    std::string body;  // the lines after the two skipped ones
    std::string rows;  // the CSV after its header, lines joined by '|' and each ending in CR LF
};

void PrintTo(const RowsCase& c, std::ostream* os) { *os << c.name; }

std::string csvRows(const std::string& joined)
{
    if (joined.empty())
        return {};
    std::string rows;
    std::size_t start = 0;
    for (;;) {
        const auto bar = joined.find('|', start);
        rows += joined.substr(start, bar - start) + "\r\n";
        if (bar == std::string::npos)
            return rows;
        start = bar + 1;
    }
}

class ConversionRows : public ::testing::TestWithParam<RowsCase> {};

TEST_P(ConversionRows, MatchExpectedCsv)
{
    EXPECT_EQ(convertBody(GetParam().body), kHeader + csvRows(GetParam().rows));
}

INSTANTIATE_TEST_SUITE_P(StopLines, ConversionRows, ::testing::Values(
    RowsCase{"NoThirdLine", "", ""},
    RowsCase{"EmptyThirdLine", "\nA1\t0\tIO \n", ""},
    RowsCase{"TwoTabsStop", "A1\t0\tIO \n\t\tTotal 1\nA2\t0\tIO \n", "Gate-A,A1,IO,Undefined,0,1"},
    RowsCase{"EmptyLineInTheMiddleStops", "A1\t0\tIO \n\nA2\t0\tIO \n", "Gate-A,A1,IO,Undefined,0,1"},
    RowsCase{"LoneTabIsARow", "\t\n", "Gate-,,,Undefined,0,1"},
    RowsCase{"LastRowWithoutLineEnd", "A1\t0\tIO ", "Gate-A,A1,IO,Undefined,0,1"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Names, ConversionRows, ::testing::Values(
    RowsCase{"ExactGndLosesItsLastCharacter", "A1\t0\tGND\nA2\t0\tGND \n",
        "Gate-A,A1,GN,Undefined,0,1|Gate-B,A2,GND,Undefined,0,1"},
    RowsCase{"OneCharacterNameTakesTheGroupKey", "A1\t5\tX\n", "Gate-,A1,5,Undefined,0,1"},
    RowsCase{"NoNameColumnTakesTheGroupKey", "A1\t7\nA2\n", "Gate-,A1,7,Undefined,0,1|Gate-,A2,,Undefined,0,2"},
    RowsCase{"BlanksStayPartOfColumns", " A1 \t 0\t IO  \n", "Gate-A, A1 , IO ,Undefined,0,1"},
    RowsCase{"ColumnsAfterTheNameAreIgnored", "A1\t0\tIO \textra\tmore\n", "Gate-A,A1,IO,Undefined,0,1"},
    RowsCase{"LowerCaseGroundAndSupplyAreOrdinary", "A1\t0\tgnd \nA2\t0\tVcc \nA3\t0\tVC \n",
        "Gate-A,A1,gnd,Undefined,0,1|Gate-A,A2,Vcc,Undefined,0,2|Gate-A,A3,VC,Undefined,0,3"},
    RowsCase{"GndaIsOrdinary", "A1\t0\tIO \nA2\t0\tGNDA \n", "Gate-A,A1,IO,Undefined,0,1|Gate-A,A2,GNDA,Undefined,0,2"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Groups, ConversionRows, ::testing::Values(
    RowsCase{"FirstOrdinaryPinWithoutKeyHasNoLetter", "A1\t\tIO \nA2\t3\tIO2 \nA3\t3\tIO3 \n",
        "Gate-,A1,IO,Undefined,0,1|Gate-A,A2,IO2,Undefined,0,1|Gate-A,A3,IO3,Undefined,0,2"},
    RowsCase{"FirstPinWithEmptyNameLeavesKeyEmpty", "A1\t4\t\nA2\t\tIO \nA3\t4\tIO \n",
        "Gate-,A1,4,Undefined,0,1|Gate-,A2,IO,Undefined,0,2|Gate-A,A3,IO,Undefined,0,1"},
    RowsCase{"FirstGroundOrSupplyStartsA", "A1\t\tGND \nA2\t\tVCCINT \n",
        "Gate-A,A1,GND,Undefined,0,1|Gate-B,A2,VCCINT,Undefined,0,1"},
    RowsCase{"SupplyRunIgnoresKeyChanges", "A1\t0\tIO \nA2\t1\tVCCO_1 \nA3\t2\tVCCO_2 \nA4\tNA\tVCC \n",
        "Gate-A,A1,IO,Undefined,0,1|Gate-B,A2,VCCO_1,Undefined,0,1|Gate-B,A3,VCCO_2,Undefined,0,2|Gate-B,A4,VCC,Undefined,0,3"},
    RowsCase{"GroundRunSplitsOnKeyChanges", "A1\tNA\tGND \nA2\tNA\tGND \nA3\tNB\tGND \nA4\tNB\tGND \n",
        "Gate-A,A1,GND,Undefined,0,1|Gate-A,A2,GND,Undefined,0,2|Gate-B,A3,GND,Undefined,0,1|Gate-B,A4,GND,Undefined,0,2"},
    RowsCase{"OrdinaryPinContinuesSupplyGroupWithSameKey", "A1\t2\tVCCO_2 \nA2\t2\tIO_L1P_2 \nA3\t3\tIO_L1P_3 \n",
        "Gate-A,A1,VCCO_2,Undefined,0,1|Gate-A,A2,IO_L1P_2,Undefined,0,2|Gate-B,A3,IO_L1P_3,Undefined,0,1"},
    RowsCase{"NamelessRowKeepsPreviousKey", "A1\t0\tIO \nA2\t9\t\nA3\t0\tIO \nA4\t9\tIO \n",
        "Gate-A,A1,IO,Undefined,0,1|Gate-A,A2,9,Undefined,0,2|Gate-A,A3,IO,Undefined,0,3|Gate-B,A4,IO,Undefined,0,1"},
    RowsCase{"GroundAfterNamelessRowComparesWithItsName", "A1\tNA\tGND \nA2\tNA\t\nA3\tNA\tGND \n",
        "Gate-A,A1,GND,Undefined,0,1|Gate-A,A2,NA,Undefined,0,2|Gate-B,A3,GND,Undefined,0,1"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Quoting, ConversionRows, ::testing::Values(
    RowsCase{"CommaInName", "A1\t0\tIO,X \n", "Gate-A,A1,\"IO,X\",Undefined,0,1"},
    RowsCase{"QuoteInNumber", "A\"1\t0\tIO \n", "Gate-A,\"A\"\"1\",IO,Undefined,0,1"},
    RowsCase{"CrInName", "A1\t0\tIO\rX \n", "Gate-A,A1,\"IO\rX\",Undefined,0,1"},
    RowsCase{"CommaInKeyTakenAsName", "A1\t1,2\t\n", "Gate-,A1,\"1,2\",Undefined,0,1"},
    RowsCase{"SemicolonAndBlanksStayUnquoted", "A 1\t0\tIO;X \n", "Gate-A,A 1,IO;X,Undefined,0,1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PinoutCsvConverter, GroupsPast63AreNamedInSpreadsheetOrder)
{
    std::string body;
    for (int group = 1; group <= 800; ++group)
        body += "P" + std::to_string(group) + "\t" + std::to_string(group) + "\tIO \n";
    const std::string csv = convertBody(body);

    auto rowOf = [&](int group) {
        const std::string number = ",P" + std::to_string(group) + ",";
        const auto at = csv.find(number);
        const auto start = csv.rfind("\r\n", at) + 2;
        return csv.substr(start, csv.find("\r\n", at) - start);
    };
    EXPECT_EQ(rowOf(26), "Gate-Z,P26,IO,Undefined,0,1");
    EXPECT_EQ(rowOf(27), "Gate-[,P27,IO,Undefined,0,1");
    EXPECT_EQ(rowOf(33), "Gate-a,P33,IO,Undefined,0,1");
    EXPECT_EQ(rowOf(63), "Gate-\x7f,P63,IO,Undefined,0,1");
    EXPECT_EQ(rowOf(64), "Gate-AA,P64,IO,Undefined,0,1");
    EXPECT_EQ(rowOf(89), "Gate-AZ,P89,IO,Undefined,0,1");
    EXPECT_EQ(rowOf(90), "Gate-BA,P90,IO,Undefined,0,1");
    EXPECT_EQ(rowOf(739), "Gate-ZZ,P739,IO,Undefined,0,1");
    EXPECT_EQ(rowOf(740), "Gate-AAA,P740,IO,Undefined,0,1");
    EXPECT_TRUE(csv.ends_with("Gate-ACI,P800,IO,Undefined,0,1\r\n"));
}

TEST(PinoutCsvConverter, CsvPathIsTheInputPathWithCsvAppended)
{
    TempDir dir;
    for (const char* name : {"BOARD.TXT", "pins", "pins.csv", "a.b.txt"}) {
        writeFile(dir.file(name), "h\nh\nA1\t0\tIO \n");
        RecordingSink sink;
        PinoutCsvConverter().Convert(widen(dir.file(name)), sink);
        EXPECT_EQ(readFile(dir.file(std::string(name) + ".csv")), kHeader + "Gate-A,A1,IO,Undefined,0,1\r\n") << name;
    }
}

TEST(PinoutCsvConverter, ConvertingAgainStartsAfreshAndOverwrites)
{
    TempDir dir;
    const std::string input = dir.file("pins.txt");
    writeFile(input, "h\nh\nA1\t0\tIO \nA2\t1\tIO \n");
    PinoutCsvConverter converter;
    RecordingSink sink;
    converter.Convert(widen(input), sink);
    const std::string first = readFile(input + ".csv");
    converter.Convert(widen(input), sink);
    EXPECT_EQ(readFile(input + ".csv"), first);
    EXPECT_EQ(sink.messages.size(), 2u);
}

TEST(PinoutCsvConverter, MissingOrUnusableInputCreatesNothing)
{
    TempDir dir;
    const std::string longName = dir.file(std::string(256 - dir.path().size() - 1, 'n'));
    ASSERT_EQ(longName.size(), 256u);
    writeFile(longName, "h\nh\nA1\t0\tIO \n");
    for (const std::string& path : {dir.file("missing.txt"), std::string(), dir.path(), longName}) {
        RecordingSink sink;
        PinoutCsvConverter().Convert(widen(path), sink);
        expectSingleMessage(sink, kNotFound, MessageStyle::Error);
        EXPECT_FALSE(test::fileExists(path + ".csv")) << path;
    }
}

TEST(PinoutCsvConverter, CsvThatCannotBeCreatedIsReportedAndLeftAlone)
{
    TempDir dir;
    const std::string input = dir.file("pins.txt");
    writeFile(input, "h\nh\nA1\t0\tIO \n");
    writeFile(input + ".csv", "someone else's work");
    ::chmod((input + ".csv").c_str(), 0444);

    RecordingSink sink;
    PinoutCsvConverter().Convert(widen(input), sink);

    expectSingleMessage(sink, kNotFound, MessageStyle::Error);
    EXPECT_EQ(readFile(input + ".csv"), "someone else's work");
    EXPECT_EQ(readFile(input), "h\nh\nA1\t0\tIO \n");
}

}  // namespace
}  // namespace kelvane
