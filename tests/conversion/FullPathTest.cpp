#include <gtest/gtest.h>

#include <unistd.h>

#include "Files.h"
#include "FullPath.h"
#include "TempDir.h"
#include "TextLineReader.h"
#include "TextLineWriter.h"
#include "Utf16.h"

namespace kelvane {
namespace {

using test::TempDir;
using test::widen;

// Runs the body with the current folder changed, and changes it back.
class InFolder {
public:
    explicit InFolder(const std::string& folder)
    {
        char buffer[4096];
        previous_ = ::getcwd(buffer, sizeof buffer);
        EXPECT_EQ(::chdir(folder.c_str()), 0);
    }
    ~InFolder() { (void)::chdir(previous_.c_str()); }

private:
    std::string previous_;
};

struct FullPathCase {
    std::u16string path;
    std::u16string expected;  // relative results are below the current folder
};

class FullPathResolution : public ::testing::TestWithParam<FullPathCase> {};

TEST_P(FullPathResolution, IsAbsoluteAndLexicallyNormal)
{
    TempDir dir;
    InFolder in(dir.path());
    const auto full = fullPathOf(GetParam().path);
    ASSERT_TRUE(full.has_value());
    const std::u16string expected = GetParam().expected.starts_with(u"/") ? GetParam().expected
                                                                          : widen(dir.path()) + u"/" + GetParam().expected;
    EXPECT_EQ(*full, expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, FullPathResolution, ::testing::Values(
    FullPathCase{u"board.txt", u"board.txt"},
    FullPathCase{u"./a/./board.txt", u"a/board.txt"},
    FullPathCase{u"a/b/../board.txt", u"a/board.txt"},
    FullPathCase{u"a//b", u"a/b"},
    FullPathCase{u"/x/../../y/z.txt", u"/y/z.txt"},
    FullPathCase{u"/", u"/"},
    FullPathCase{u"a/", u"a/"},
    FullPathCase{u"Pl\u00e4ne/\u5f15\u811a.txt", u"Pl\u00e4ne/\u5f15\u811a.txt"}));

TEST(FullPath, EmptyPathHasNone)
{
    EXPECT_FALSE(fullPathOf(u"").has_value());
}

// With the current folder as base, a short relative name can still make a full
// path past the limit: 259 characters open, 260 don't.
TEST(FullPath, LimitAppliesToTheFullPath)
{
    TempDir dir;
    InFolder in(dir.path());
    const std::size_t base = dir.path().size() + 1;
    ASSERT_LT(base, 259u - 20u);
    const std::string fits(259 - base, 'f');
    const std::string tooLong(260 - base, 'g');
    test::writeFile(fits, "a\tb\tc \n");
    test::writeFile(tooLong, "a\tb\tc \n");

    TextLineReader reader;
    EXPECT_TRUE(reader.Open(widen(fits)));
    EXPECT_EQ(reader.fullPath().size(), 259u);
    EXPECT_FALSE(TextLineReader().Open(widen(tooLong)));
    TextLineWriter writer;
    EXPECT_FALSE(writer.Create(widen(tooLong)));
    EXPECT_EQ(test::readFile(tooLong), "a\tb\tc \n");
}

TEST(FullPath, PathOf260CharactersIsRefusedBeforeResolution)
{
    EXPECT_FALSE(resolveForOpen(u"/" + std::u16string(259, u'a')).has_value());
    EXPECT_TRUE(resolveForOpen(u"/" + std::u16string(258, u'a')).has_value());
}

TEST(Utf16, NonAsciiAndNonUtf8NamesRoundTrip)
{
    const std::string names[] = {"Pl\xC3\xA4ne.txt", "\xE5\xBC\x95\xE8\x84\x9A.txt", "\xF0\x9F\x93\x8C.txt", "raw\xFF\xFE.txt", "cut\xE5\xBC"};
    for (const auto& name : names)
        EXPECT_EQ(toUtf8(fromUtf8(name)), name);
    EXPECT_EQ(fromUtf8("Pl\xC3\xA4ne"), u"Pl\u00e4ne");
    EXPECT_EQ(fromUtf8("\xF0\x9F\x93\x8C"), u"\U0001F4CC");
}

TEST(Utf16, NonAsciiFileNameReachesTheFileSystem)
{
    TempDir dir;
    const std::string name = dir.file("Pl\xC3\xA4ne-\xE5\xBC\x95\xE8\x84\x9A.txt");
    TextLineWriter writer;
    ASSERT_TRUE(writer.Create(fromUtf8(name)));
    writer.Write(u"x");
    writer.Close();
    EXPECT_EQ(test::readFile(name), "x");
}

}  // namespace
}  // namespace kelvane
