#include <gtest/gtest.h>

#include "GroupName.h"

namespace kelvane {
namespace {

class GroupNames : public ::testing::TestWithParam<std::pair<std::int64_t, std::u16string>> {};

TEST_P(GroupNames, FollowTheLetterTable)
{
    EXPECT_EQ(groupName(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Table, GroupNames, ::testing::Values(
    std::pair<std::int64_t, std::u16string>{0, u""},
    std::pair<std::int64_t, std::u16string>{1, u"A"},
    std::pair<std::int64_t, std::u16string>{26, u"Z"},
    std::pair<std::int64_t, std::u16string>{27, u"["},
    std::pair<std::int64_t, std::u16string>{28, u"\\"},
    std::pair<std::int64_t, std::u16string>{32, u"`"},
    std::pair<std::int64_t, std::u16string>{33, u"a"},
    std::pair<std::int64_t, std::u16string>{58, u"z"},
    std::pair<std::int64_t, std::u16string>{59, u"{"},
    std::pair<std::int64_t, std::u16string>{62, u"~"},
    std::pair<std::int64_t, std::u16string>{63, u"\x7f"},
    std::pair<std::int64_t, std::u16string>{64, u"AA"},
    std::pair<std::int64_t, std::u16string>{65, u"AB"},
    std::pair<std::int64_t, std::u16string>{89, u"AZ"},
    std::pair<std::int64_t, std::u16string>{90, u"BA"},
    std::pair<std::int64_t, std::u16string>{739, u"ZZ"},
    std::pair<std::int64_t, std::u16string>{740, u"AAA"},
    std::pair<std::int64_t, std::u16string>{18315, u"ZZZ"},
    std::pair<std::int64_t, std::u16string>{18316, u"AAAA"}));

}  // namespace
}  // namespace kelvane
