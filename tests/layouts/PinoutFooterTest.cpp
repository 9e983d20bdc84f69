#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "Files.h"
#include "PinoutFooter.h"

namespace kelvane {
namespace {

struct FooterCase {
    const char* line;
    std::optional<std::int64_t> total;
};

void PrintTo(const FooterCase& c, std::ostream* os)
{
    for (const char* p = c.line; *p != '\0'; ++p)
        *os << (*p == '\t' ? std::string("\\t") : std::string(1, *p));
}

class StatedPinTotal : public testing::TestWithParam<FooterCase> {};

TEST_P(StatedPinTotal, ReadsTheTotalOfEveryFooterFormOnly)
{
    EXPECT_EQ(statedPinTotal(test::widen(GetParam().line)), GetParam().total) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Lines, StatedPinTotal,
    testing::Values(
        FooterCase{"Total Number of Pins generated, 676", 676},
        FooterCase{"\t\tTotal Number of Pins generated, 10", 10},
        FooterCase{"Total Number of Pins, 900   ", 900},
        FooterCase{"Total Number of Pins 1156", 1156},
        FooterCase{"Total Number of Pins,484,,,,", 484},
        FooterCase{",,Total Number of Pins,0", 0},
        FooterCase{"Total Number of Pins", std::nullopt},
        FooterCase{"Total Number of Pins 12 (of 14)", std::nullopt},
        FooterCase{"Total Number of Pins 99999999999999999999", std::nullopt},
        FooterCase{"Number of Pins 5", std::nullopt},
        FooterCase{"A1\t0\tTotal Number of Pins 5 ", std::nullopt}));

}  // namespace
}  // namespace kelvane
