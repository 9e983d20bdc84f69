#include <gtest/gtest.h>

#include "Files.h"
#include "PinoutCsvConverter.h"
#include "RecordingSink.h"
#include "TempDir.h"

namespace kelvane {
namespace {

using test::readFile;
using test::RecordingSink;
using test::TempDir;
using test::writeFile;

TEST(PinoutCsvConverter, WorkedExampleConvertsByteForByte)
{
    TempDir dir;
    const std::string input = dir.file("board.txt");
    writeFile(input, readFile(test::fixturePath("worked-example.txt")));
    RecordingSink sink;

    PinoutCsvConverter().Convert(test::widen(input), sink);

    EXPECT_EQ(readFile(input + ".csv"), readFile(test::fixturePath("worked-example.expected.csv")));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, u"File is Successfully Generated\uFF01");
    EXPECT_EQ(sink.messages[0].caption, u"Kelvane Ver0.01");
    EXPECT_EQ(sink.messages[0].style, MessageStyle::Plain);
}

}  // namespace
}  // namespace kelvane
