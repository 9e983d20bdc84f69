// Feeds arbitrary bytes, as a pinout file, through the line reader and through a
// whole conversion, and checks what comes out against what any input must give.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "PinoutCsvConverter.h"
#include "ReaderModel.h"
#include "TextLineReader.h"

namespace {

using kelvane::fuzz::modelLines;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

void check(bool holds, const char* what)
{
    if (!holds)
        fail(what);
}

std::u16string widen(const std::string& bytes) { return std::u16string(bytes.begin(), bytes.end()); }

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    check(out.good(), "harness could not write its input file");
}

struct Scratch {
    std::string folder;
    std::string input;
    std::string csv;

    Scratch()
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp ? tmp : "/tmp") + "/kelvane-fuzz-XXXXXX";
        check(::mkdtemp(pattern.data()) != nullptr, "harness could not make its folder");
        folder = pattern;
        input = folder + "/pinout.txt";
        csv = input + ".csv";
    }
    ~Scratch()
    {
        std::remove(csv.c_str());
        std::remove(input.c_str());
        ::rmdir(folder.c_str());
    }
};

class CountingSink : public kelvane::UserMessageSink {
public:
    void Show(const std::u16string& text, const std::u16string&, kelvane::MessageStyle style) override
    {
        ++shown;
        succeeded = text == kelvane::kSuccessfullyGenerated && style == kelvane::MessageStyle::Plain;
    }
    int shown = 0;
    bool succeeded = false;
};

void checkReader(const std::string& path, const std::string& bytes)
{
    const auto expected = modelLines(bytes);
    kelvane::TextLineReader reader;
    check(reader.Open(widen(path)), "reader refused a regular file");
    std::u16string line = u"left over";
    for (const auto& want : expected) {
        const bool result = reader.ReadLine(line);
        check(result == want.result, "ReadLine result differs from the byte rules");
        check(line == want.text, "ReadLine text differs from the byte rules");
    }
    for (int i = 0; i < 2; ++i) {
        line = u"left over";
        check(!reader.ReadLine(line) && line.empty(), "ReadLine past the end of data gave a line");
    }
    reader.Close();
}

bool isStopLine(const std::u16string& line) { return line.empty() || line.starts_with(u"\t\t"); }

void checkConversion(const Scratch& scratch, const std::string& bytes)
{
    const auto lines = modelLines(bytes);
    std::size_t pins = 0;
    for (std::size_t i = 2; i < lines.size() && !isStopLine(lines[i].text); ++i)
        ++pins;

    CountingSink sink;
    kelvane::ConversionSummary summary;
    kelvane::PinoutCsvConverter().Convert(widen(scratch.input), sink, summary);
    check(sink.shown == 1 && sink.succeeded, "conversion did not report success exactly once");
    check(readAll(scratch.input) == bytes, "conversion changed its input file");

    const std::string csv = readAll(scratch.csv);
    const std::string header = "Pin Group,Number,Name,Type,Swap,Seq.\r\n";
    check(csv.starts_with(header), "CSV does not start with the header");
    // Lines never hold an LF, so CR LF appears only at the end of each row.
    std::size_t rows = 0;
    std::size_t start = header.size();
    while (start < csv.size()) {
        const auto end = csv.find("\r\n", start);
        check(end != std::string::npos, "CSV row without CR LF");
        const std::string row = csv.substr(start, end - start);
        check(row.starts_with("Gate-"), "CSV row without its group");
        const auto tail = row.rfind(",Undefined,0,");
        check(tail != std::string::npos, "CSV row without type and swap");
        const std::string sequence = row.substr(tail + 13);
        check(!sequence.empty() && sequence.find_first_not_of("0123456789") == std::string::npos && sequence[0] != '0',
            "CSV row with a malformed sequence number");
        ++rows;
        start = end + 2;
    }
    check(rows == static_cast<std::size_t>(summary.pins), "CSV row count differs from the pins counted");
    // Plain tab-separated files take every line up to the stop line.
    if (summary.layout == kelvane::PinoutLayout::Tab)
        check(rows == pins, "CSV row count differs from the pin lines");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Scratch scratch;
    writeAll(scratch.input, data, size);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkReader(scratch.input, bytes);
    checkConversion(scratch, bytes);
    return 0;
}
