#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ConsoleMessageSink.h"
#include "PinoutCsvConverter.h"
#include "ReleaseFailureReporter.h"
#include "Utf16.h"
#include "Version.h"

namespace {

constexpr const char* kProgram = "kelvane-convert";

void printUsage(std::FILE* out)
{
    std::fprintf(out,
        "Usage: %s [OPTION]... FILE...\n"
        "Convert pinout files into CSV pin lists for schematic symbols.\n"
        "Each FILE is written beside itself as FILE.csv, replacing any file of that name.\n"
        "The layout of each FILE is recognised from its first lines: tab-separated,\n"
        "tab-separated under a title row, space-aligned columns, or comma-separated.\n"
        "A FILE whose footer states another pin total than was converted is warned about.\n"
        "\n"
        "      --check    treat a pin total that differs from the footer's as a failure\n"
        "  -h, --help     show this help and exit\n"
        "  -V, --version  show the version and exit\n"
        "\n"
        "Exit status: 0 when every FILE was converted, 1 when any was not (or, with\n"
        "--check, when any footer's pin total differs), 2 for a usage error.\n",
        kProgram);
}

int usageError(const std::string& problem)
{
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", kProgram, problem.c_str(), kProgram);
    return 2;
}

const char* plural(std::int64_t count) { return count == 1 ? "" : "s"; }

bool convertOne(const std::string& path, bool check)
{
    ConsoleMessageSink sink(kProgram, path);
    kelvane::ConversionSummary summary;
    try {
        kelvane::PinoutCsvConverter().Convert(kelvane::fromUtf8(path), sink, summary);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s: %s: Out of memory.\n", kProgram, path.c_str());
        return false;
    } catch (const std::exception& error) {
        // A FileError's text names the file it concerns.
        std::fprintf(stderr, "%s: %s: %s\n", kProgram, path.c_str(), error.what());
        return false;
    }
    if (!sink.succeeded())
        return false;

    const std::string layout(kelvane::layoutName(summary.layout));
    std::printf("wrote %s.csv (%s, %lld pin%s, %lld group%s)\n", path.c_str(), layout.c_str(),
        static_cast<long long>(summary.pins), plural(summary.pins),
        static_cast<long long>(summary.groups), plural(summary.groups));
    if (summary.statedPins && *summary.statedPins != summary.pins) {
        // Flush first so that the success line and the warning keep their order on a shared terminal.
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %s: warning: the footer states %lld pins, but %lld were converted\n", kProgram,
            path.c_str(), static_cast<long long>(*summary.statedPins), static_cast<long long>(summary.pins));
        return !check;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    // A file-size limit then fails the write like a full disk instead of killing us.
    std::signal(SIGXFSZ, SIG_IGN);
    kelvane::setReleaseFailureReporter([](const std::u16string& text) {
        std::fprintf(stderr, "%s: %s\n", kProgram, kelvane::toUtf8(text).c_str());
    });

    std::vector<std::string> files;
    bool check = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--check") {
            check = true;
        } else if (arg == "-h" || arg == "--help") {
            printUsage(stdout);
            return 0;
        } else if (arg == "-V" || arg == "--version") {
            std::printf("%s %s\n", kProgram, kelvane::kVersion);
            return 0;
        } else {
            return usageError("unrecognized option '" + arg + "'");
        }
    }
    if (files.empty())
        return usageError("no pinout FILE given");

    bool allConverted = true;
    for (const auto& file : files)
        allConverted = convertOne(file, check) && allConverted;
    return allConverted ? 0 : 1;
}
