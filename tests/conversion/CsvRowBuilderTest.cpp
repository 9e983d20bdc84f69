#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "CsvRowBuilder.h"

namespace kelvane {
namespace {

struct RowCase {
    const char* name;
    std::u16string group;
    std::u16string number;
    std::u16string pinName;
    std::int64_t sequence;
    std::u16string expected;
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

const RowCase kRows[] = {
    {"Plain", u"A", u"A1", u"IO_A", 1, u"Gate-A,A1,IO_A,Undefined,0,1\r\n"},
    {"NoGroupYet", u"", u"", u"", 7, u"Gate-,,,Undefined,0,7\r\n"},
    {"LongFieldsUnquoted", u"AAA", u"AB12345678901234", u"IO_L12P_T1_MRCC_34_LONGER_NAME", 123456,
        u"Gate-AAA,AB12345678901234,IO_L12P_T1_MRCC_34_LONGER_NAME,Undefined,0,123456\r\n"},
    // Quote characters only: the longest text a field can become.
    {"AllQuotes", u"B", u"\"\"\"\"\"\"\"\"\"", u"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"", 2,
        u"Gate-B,\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\","
        u"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\",Undefined,0,2\r\n"},
    {"CommaInTheFirstEight", u"C", u"A1", u"IO,12345678", 3, u"Gate-C,A1,\"IO,12345678\",Undefined,0,3\r\n"},
    {"CommaAfterTheFirstEight", u"C", u"A1", u"IO_12345,8", 3, u"Gate-C,A1,\"IO_12345,8\",Undefined,0,3\r\n"},
    {"CrInTheSecondEight", u"D", u"123456789\r", u"X", 4, u"Gate-D,\"123456789\r\",X,Undefined,0,4\r\n"},
    {"SemicolonsAndTabsStayUnquoted", u"E", u"A;1", u"IO\tX;12345678", 5,
        u"Gate-E,A;1,IO\tX;12345678,Undefined,0,5\r\n"},
    {"LargestSequence", u"F", u"A1", u"IO", INT64_MAX, u"Gate-F,A1,IO,Undefined,0,9223372036854775807\r\n"},
};

class CsvRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(CsvRows, HaveSixFieldsAndCrLf)
{
    const RowCase& row = GetParam();
    CsvRowBuilder builder;
    EXPECT_EQ(builder.build(row.group, row.number, row.pinName, row.sequence), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, CsvRows, ::testing::ValuesIn(kRows),
    [](const auto& info) { return std::string(info.param.name); });

// One builder for every row, as in a conversion: longer rows after shorter ones
// and back, so the kept buffer grows and old text must not show through.
TEST(CsvRowBuilder, ReusedBuilderGivesTheSameRows)
{
    CsvRowBuilder builder;
    for (int round = 0; round < 2; ++round) {
        for (const RowCase& row : kRows)
            EXPECT_EQ(builder.build(row.group, row.number, row.pinName, row.sequence), row.expected) << row.name;
    }
}

}  // namespace
}  // namespace kelvane
