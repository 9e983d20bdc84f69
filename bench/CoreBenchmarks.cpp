// Where a conversion spends its time: reading lines, building rows, writing bytes.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "CsvRowBuilder.h"
#include "PinGrouper.h"
#include "PinoutCsvConverter.h"
#include "TabRowParser.h"
#include "TextLineReader.h"
#include "TextLineWriter.h"

namespace {

constexpr int kRows = 200000;

std::string pinRow(int i)
{
    // Appended piece by piece: GCC 12 warns (-Wrestrict) on "literal" + std::string at -O3.
    const std::string bank = std::to_string(12 + (i / 64) % 40);
    const std::string column = std::to_string(i % 44);
    std::string row;
    switch (i % 64) {
    case 50: case 51: case 52: case 53: case 54: case 55: case 56: case 57:
        row.append("C").append(column).append("\tNA\tGND");
        break;
    case 58: case 59: case 60: case 61:
        row.append("D").append(column).append("\t").append(bank).append("\tVCCO_").append(bank);
        break;
    default:
        row.append("AB").append(column).append("\t").append(bank).append("\tIO_L").append(std::to_string(i % 24));
        row.append("P_T1_").append(bank);
        break;
    }
    return row.append(" \r\n");
}

class ScratchFolder {
public:
    ScratchFolder()
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp ? tmp : "/tmp") + "/kelvane-bench-XXXXXX";
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchFolder()
    {
        for (const auto& name : files_)
            std::remove(name.c_str());
        ::rmdir(path_.c_str());
    }
    std::string file(const std::string& name)
    {
        files_.push_back(path_ + "/" + name);
        return files_.back();
    }

private:
    std::string path_;
    std::vector<std::string> files_;
};

ScratchFolder& scratch()
{
    static ScratchFolder folder;
    return folder;
}

// A pinout file of kRows rows, written once per run.
const std::string& pinoutFile()
{
    static const std::string path = [] {
        std::string name = scratch().file("bench.txt");
        std::string text = "Device/Package bench\r\n\r\n";
        for (int i = 0; i < kRows; ++i)
            text += pinRow(i);
        std::FILE* file = std::fopen(name.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
        return name;
    }();
    return path;
}

std::u16string widen(const std::string& bytes) { return std::u16string(bytes.begin(), bytes.end()); }

std::int64_t fileSize(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fclose(file);
    return size;
}

void ReadLines(benchmark::State& state)
{
    const std::u16string path = widen(pinoutFile());
    std::u16string line;
    for (auto _ : state) {
        kelvane::TextLineReader reader;
        reader.Open(path);
        while (reader.ReadLine(line))
            benchmark::DoNotOptimize(line.data());
    }
    state.SetBytesProcessed(state.iterations() * fileSize(pinoutFile()));
}
BENCHMARK(ReadLines);

void BuildRows(benchmark::State& state)
{
    std::vector<std::u16string> lines;
    for (int i = 0; i < kRows; ++i) {
        std::string row = pinRow(i);
        row.resize(row.size() - 2);
        lines.push_back(widen(row));
    }
    kelvane::CsvRowBuilder row;
    for (auto _ : state) {
        kelvane::PinGrouper grouper;
        kelvane::TabRowParser parser;
        for (const auto& line : lines) {
            const auto pinRow = parser.parse(line);
            const auto pin = grouper.place(pinRow.groupKey, pinRow.name);
            benchmark::DoNotOptimize(row.build(pin.group, pinRow.number, pin.name, pin.sequence).data());
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BuildRows);

void WriteRows(benchmark::State& state)
{
    const std::u16string path = widen(scratch().file("bench-out.csv"));
    const std::u16string row = u"Gate-AB,AB12,IO_L12P_T1_34,Undefined,0,17\r\n";
    std::int64_t bytes = 0;
    for (auto _ : state) {
        kelvane::TextLineWriter writer;
        writer.Create(path);
        for (int i = 0; i < kRows; ++i)
            writer.Write(row);
        writer.Close();
        bytes += static_cast<std::int64_t>(row.size()) * kRows;
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(WriteRows);

class QuietSink : public kelvane::UserMessageSink {
public:
    void Show(const std::u16string&, const std::u16string&, kelvane::MessageStyle) override {}
};

void ConvertFile(benchmark::State& state)
{
    const std::u16string path = widen(pinoutFile());
    scratch().file("bench.txt.csv");
    QuietSink sink;
    for (auto _ : state)
        kelvane::PinoutCsvConverter().Convert(path, sink);
    state.SetBytesProcessed(state.iterations() * fileSize(pinoutFile()));
}
BENCHMARK(ConvertFile);

}  // namespace
