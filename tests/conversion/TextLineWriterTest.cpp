#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileError.h"
#include "Files.h"
#include "TempDir.h"
#include "TextLineWriter.h"

namespace kelvane {
namespace {

using test::readFile;
using test::TempDir;
using test::widen;
using test::writeFile;

std::string allBytesButNul()
{
    std::string bytes;
    for (int b = 1; b <= 0xFF; ++b)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}

TEST(TextLineWriter, StoresEachCharacterAsItsByteAndNothingElse)
{
    TempDir dir;
    const std::string path = dir.file("out.csv");
    TextLineWriter writer;
    ASSERT_TRUE(writer.Create(widen(path)));
    writer.Write(u"Gate-A,A1,GND,Undefined,0,1\r\n");
    writer.Write(widen(allBytesButNul()));
    writer.Write(u"");
    writer.Close();
    EXPECT_EQ(readFile(path), "Gate-A,A1,GND,Undefined,0,1\r\n" + allBytesButNul());
}

TEST(TextLineWriter, StopsAtTheFirstNul)
{
    TempDir dir;
    const std::string path = dir.file("out.csv");
    TextLineWriter writer;
    ASSERT_TRUE(writer.Create(widen(path)));
    writer.Write(std::u16string(u"ab\0cd", 5));
    writer.Write(u"ef");
    writer.Close();
    EXPECT_EQ(readFile(path), "abef");
}

TEST(TextLineWriter, KeepsEveryByteInOrderAcrossBufferWriteOuts)
{
    TempDir dir;
    const std::string path = dir.file("big.csv");
    std::string expected;
    TextLineWriter writer;
    ASSERT_TRUE(writer.Create(widen(path)));
    for (int i = 0; i < 3000; ++i) {
        const std::string row = "row " + std::to_string(i) + "\r\n";
        writer.Write(widen(row));
        expected += row;
    }
    writer.Close();
    ASSERT_GT(expected.size(), 3 * TextLineWriter::kBufferSize);
    EXPECT_EQ(readFile(path), expected);
}

TEST(TextLineWriter, CharacterAboveFfStoresWhatCameBeforeAndRaisesDiskFull)
{
    TempDir dir;
    const std::string path = dir.file("out.csv");
    TextLineWriter writer;
    ASSERT_TRUE(writer.Create(widen(path)));
    try {
        writer.Write(u"Gate-\uFF80,A1");
        FAIL() << "Write did not raise";
    } catch (const FileError& error) {
        EXPECT_EQ(error.cause(), FileError::DiskFull);
        EXPECT_EQ(error.message(), u"Disk full while accessing " + widen(path) + u".");
    }
    writer.Close();
    EXPECT_EQ(readFile(path), "Gate-");
}

TEST(TextLineWriter, CreateEmptiesAnExistingFile)
{
    TempDir dir;
    const std::string path = dir.file("out.csv");
    writeFile(path, "old contents that must go");
    TextLineWriter writer;
    ASSERT_TRUE(writer.Create(widen(path)));
    writer.Write(u"new");
    writer.Close();
    EXPECT_EQ(readFile(path), "new");
}

TEST(TextLineWriter, RefusedTargetsAreLeftAsTheyWere)
{
    TempDir dir;
    const std::string readOnly = dir.file("read-only.csv");
    writeFile(readOnly, "keep me");
    ::chmod(readOnly.c_str(), 0444);
    const std::string held = dir.file("held.csv");
    writeFile(held, "keep me too");
    const int holder = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    ::mkdir(dir.file("folder.csv").c_str(), 0700);

    TextLineWriter writer;
    EXPECT_FALSE(writer.Create(widen(readOnly)));
    EXPECT_FALSE(writer.Create(widen(held)));
    EXPECT_FALSE(writer.Create(widen(dir.file("folder.csv"))));
    EXPECT_FALSE(writer.Create(widen(dir.file("no-such-folder/out.csv"))));
    EXPECT_FALSE(writer.Create(u""));
    EXPECT_FALSE(writer.isOpen());
    ::close(holder);

    EXPECT_EQ(readFile(readOnly), "keep me");
    EXPECT_EQ(readFile(held), "keep me too");
    EXPECT_FALSE(test::fileExists(dir.file("no-such-folder")));
}

TEST(TextLineWriter, CloseWhenNotOpenDoesNothing)
{
    TextLineWriter writer;
    EXPECT_NO_THROW(writer.Close());
    EXPECT_NO_THROW(writer.Close());
}

}  // namespace
}  // namespace kelvane
