#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "Files.h"
#include "TempDir.h"

namespace kelvane {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

struct CommandResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

CommandResult runConverter(const TempDir& dir, const std::vector<std::string>& args)
{
    const std::string outPath = dir.file("stdout");
    const std::string errPath = dir.file("stderr");
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
            ::_exit(126);
        std::vector<char*> argv{const_cast<char*>(KELVANE_CONVERT_PATH)};
        for (const auto& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    CommandResult result;
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.exitStatus = WEXITSTATUS(status);
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    return result;
}

struct FooterCase {
    const char* name;
    const char* footer;
    bool check;
    int exitStatus;
    bool warns;
};

void PrintTo(const FooterCase& c, std::ostream* os) { *os << c.name; }

class ConverterFooterCheck : public testing::TestWithParam<FooterCase> {};

TEST_P(ConverterFooterCheck, TellsLayoutPinsAndGroupsAndWarnsOnADifferentTotal)
{
    TempDir dir;
    const std::string input = dir.file("board.txt");
    const std::string pinout = readFile(test::fixturePath("layouts/space-aligned.txt"));
    const std::string footer = "Total Number of Pins, 11";
    ASSERT_NE(pinout.find(footer), std::string::npos);
    writeFile(input, pinout.substr(0, pinout.find(footer)) + GetParam().footer + "\r\n");
    std::vector<std::string> args;
    if (GetParam().check)
        args.push_back("--check");
    args.push_back(input);

    const CommandResult result = runConverter(dir, args);

    EXPECT_EQ(result.exitStatus, GetParam().exitStatus);
    EXPECT_EQ(result.out, "wrote " + input + ".csv (space-aligned layout, 11 pins, 5 groups)\n");
    if (GetParam().warns)
        EXPECT_EQ(result.err, "kelvane-convert: " + input + ": warning: the footer states 12 pins, but 11 were converted\n");
    else
        EXPECT_EQ(result.err, "");
    EXPECT_EQ(readFile(input + ".csv"), readFile(test::fixturePath("layouts/space-aligned.expected.csv")));
}

INSTANTIATE_TEST_SUITE_P(Footers, ConverterFooterCheck,
    testing::Values(
        FooterCase{"agrees", "Total Number of Pins, 11", false, 0, false},
        FooterCase{"agrees with check", "Total Number of Pins 11", true, 0, false},
        FooterCase{"differs", "Total Number of Pins, 12", false, 0, true},
        FooterCase{"differs with check", "Total Number of Pins, 12", true, 1, true},
        FooterCase{"missing with check", "", true, 0, false}));

TEST(ConverterSuccessLine, CountsOnePinAndOneGroupInTheSingular)
{
    TempDir dir;
    const std::string input = dir.file("one.txt");
    writeFile(input, "Pin,Pin Name,Bank\nA1,IO_A,0\n");

    const CommandResult result = runConverter(dir, {input});

    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, "wrote " + input + ".csv (comma-separated layout, 1 pin, 1 group)\n");
}

TEST(ConverterFooterCheck, OnlyTheMismatchedFileFailsTheCheck)
{
    TempDir dir;
    const std::string good = dir.file("good.txt");
    const std::string bad = dir.file("bad.txt");
    writeFile(good, readFile(test::fixturePath("worked-example.txt")));
    writeFile(bad, "x\ny\nA1\t0\tIO_A \n\nTotal Number of Pins generated, 2\n");

    const CommandResult result = runConverter(dir, {"--check", bad, good});

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out,
        "wrote " + bad + ".csv (tab layout, 1 pin, 1 group)\n"
        "wrote " + good + ".csv (tab layout, 10 pins, 5 groups)\n");
    EXPECT_EQ(result.err, "kelvane-convert: " + bad + ": warning: the footer states 2 pins, but 1 were converted\n");
}

}  // namespace
}  // namespace kelvane
