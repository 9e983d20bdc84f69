#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PinoutColumns.h"

namespace kelvane {
namespace {

// The three columns found the plain way, one tab after another.
PinoutColumns columnsOneByOne(std::u16string_view line)
{
    std::u16string_view parts[3];
    for (auto& part : parts) {
        const auto tab = line.find(u'\t');
        part = line.substr(0, tab);
        if (tab == std::u16string_view::npos) {
            line = {};
            break;
        }
        line.remove_prefix(tab + 1);
    }
    return PinoutColumns{parts[0], parts[1], parts[2]};
}

// Tabs at every combination of up to four places in lines of up to 20
// characters, so tabs fall on both sides of and right at every 8-character step.
TEST(PinoutColumns, AgreeWithSplittingTabByTab)
{
    constexpr std::size_t kMaxLength = 20;
    for (std::size_t length = 0; length <= kMaxLength; ++length) {
        std::vector<std::size_t> places;
        const auto check = [&] {
            std::u16string line(length, u'x');
            for (std::size_t i = 0; i < length; ++i)
                line[i] = static_cast<char16_t>(u'a' + i);
            for (const auto place : places)
                line[place] = u'\t';
            const PinoutColumns expected = columnsOneByOne(line);
            const PinoutColumns actual = splitColumns(line);
            ASSERT_EQ(actual.number, expected.number) << "length " << length << ", tabs " << places.size();
            ASSERT_EQ(actual.groupKey, expected.groupKey) << "length " << length << ", tabs " << places.size();
            ASSERT_EQ(actual.name, expected.name) << "length " << length << ", tabs " << places.size();
        };
        check();
        for (std::size_t a = 0; a < length; ++a) {
            places = {a};
            check();
            for (std::size_t b = a + 1; b < length; ++b) {
                places = {a, b};
                check();
                for (std::size_t c = b + 1; c < length; ++c) {
                    places = {a, b, c};
                    check();
                    for (std::size_t d = c + 1; d < length; ++d) {
                        places = {a, b, c, d};
                        check();
                    }
                }
            }
        }
    }
}

TEST(PinoutColumns, ViewsPointIntoTheLine)
{
    const std::u16string line = u"AB12\t34\tIO_L12P_T1_34 \textra";
    const PinoutColumns columns = splitColumns(line);
    EXPECT_EQ(columns.number, u"AB12");
    EXPECT_EQ(columns.groupKey, u"34");
    EXPECT_EQ(columns.name, u"IO_L12P_T1_34 ");
    EXPECT_EQ(columns.name.data(), line.data() + 8);
}

}  // namespace
}  // namespace kelvane
