#include <gtest/gtest.h>

#include "ConversionSummary.h"
#include "FileError.h"
#include "Files.h"
#include "PinoutCsvConverter.h"
#include "ReadFailureInjection.h"
#include "RecordingSink.h"
#include "TempDir.h"
#include "TextLineReader.h"

namespace kelvane {
namespace {

using test::kFail;
using test::readFile;
using test::TempDir;
using test::widen;
using test::writeFile;

const std::string kHeader = "Pin Group,Number,Name,Type,Swap,Seq.\r\n";

class ReadFailure : public ::testing::Test {
protected:
    void TearDown() override { test::clearReadPlan(); }

    std::string file(const std::string& bytes)
    {
        const std::string path = dir_.file("pins.txt");
        writeFile(path, bytes);
        return path;
    }

private:
    TempDir dir_;
};

TEST_F(ReadFailure, AfterSomeCharactersEndsTheLineAndTheNextCallTriesAgain)
{
    const std::string path = file("ab\ncd");
    TextLineReader reader;
    ASSERT_TRUE(reader.Open(widen(path)));
    test::planReads(path, {1, kFail});
    std::u16string line;
    EXPECT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, u"a");
    EXPECT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, u"b");
    EXPECT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, u"cd");
    EXPECT_FALSE(reader.ReadLine(line));
}

TEST_F(ReadFailure, BeforeAnyCharacterOfAChunkRaisesGenericFailure)
{
    const std::string path = file("ab\ncd\n");
    TextLineReader reader;
    ASSERT_TRUE(reader.Open(widen(path)));
    test::planReads(path, {3, kFail});
    std::u16string line;
    EXPECT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, u"ab");
    try {
        reader.ReadLine(line);
        FAIL() << "ReadLine did not raise";
    } catch (const FileError& error) {
        EXPECT_EQ(error.cause(), FileError::GenericFailure);
        EXPECT_EQ(error.message(), u"An unknown error occurred while accessing " + widen(path) + u".");
    }
    EXPECT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, u"cd");
}

TEST_F(ReadFailure, AfterACrAtTheEndOfAFillEndsTheLineWithTheCr)
{
    const std::string path = file(std::string(127, 'x') + "\rb\n");
    TextLineReader reader;
    ASSERT_TRUE(reader.Open(widen(path)));
    test::planReads(path, {128, kFail});
    std::u16string line;
    EXPECT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, widen(std::string(127, 'x') + "\r"));
    EXPECT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, u"b");
}

// The layout is recognised from lines read ahead; a failure among them must still
// come after the header, as it would without looking ahead.
TEST_F(ReadFailure, OnTheFirstPinLineLeavesTheHeaderInTheCsv)
{
    const std::string path = file("Device/Package x\n\nA1\t0\tIO \nA2\t0\tIO \n\n");
    test::planReads(path, {18, kFail});
    test::RecordingSink sink;
    try {
        PinoutCsvConverter().Convert(widen(path), sink);
        FAIL() << "Convert did not raise";
    } catch (const FileError& error) {
        EXPECT_EQ(error.cause(), FileError::GenericFailure);
    }
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(readFile(path + ".csv"), kHeader);
}

TEST_F(ReadFailure, PastTheStopLineDoesNotFailAFinishedConversion)
{
    const std::string pinout = "a\nb\nA1\t0\tIO \n\nTotal Number of Pins, 1\n";
    for (const bool withSummary : {false, true}) {
        const std::string path = file(pinout);
        test::planReads(path, {14, kFail});
        test::RecordingSink sink;
        ConversionSummary summary;
        if (withSummary)
            PinoutCsvConverter().Convert(widen(path), sink, summary);
        else
            PinoutCsvConverter().Convert(widen(path), sink);
        ASSERT_EQ(sink.messages.size(), 1u) << withSummary;
        EXPECT_EQ(sink.messages[0].style, MessageStyle::Plain);
        EXPECT_EQ(readFile(path + ".csv"), kHeader + "Gate-A,A1,IO,Undefined,0,1\r\n");
        EXPECT_FALSE(summary.statedPins.has_value());
    }
}

}  // namespace
}  // namespace kelvane
