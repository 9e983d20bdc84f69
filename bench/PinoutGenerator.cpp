// Writes a large pinout file shaped like a real package file: two heading lines,
// banks of IO pins with their GND and VCCO runs, CR LF line ends, and a footer
// line that starts with two tabs.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kUsage = "usage: kelvane-pinout-gen OUTPUT SIZE_MIB\n";

// Ball grids skip letters that read like digits.
constexpr const char* kRowLetters = "ABCDEFGHJKLMNPRTUVWY";
constexpr int kRowLetterCount = 20;
constexpr int kColumns = 44;

class PinNumbers {
public:
    std::string next()
    {
        std::string number;
        int row = row_;
        if (row >= kRowLetterCount)
            number += kRowLetters[row / kRowLetterCount - 1];
        number += kRowLetters[row % kRowLetterCount];
        number += std::to_string(column_ + 1);
        if (++column_ == kColumns) {
            column_ = 0;
            row_ = (row_ + 1) % (kRowLetterCount * (kRowLetterCount + 1));
        }
        return number;
    }

private:
    int row_ = 0;
    int column_ = 0;
};

class Output {
public:
    explicit Output(std::FILE* file) : file_(file) {}

    void row(const std::string& number, const std::string& key, const std::string& name)
    {
        text_ += number;
        text_ += '\t';
        text_ += key;
        text_ += '\t';
        text_ += name;
        text_ += " \r\n";
        ++rows_;
        if (text_.size() >= (1u << 16))
            flush();
    }

    void line(const std::string& text)
    {
        text_ += text;
        text_ += "\r\n";
    }

    bool flush()
    {
        written_ += text_.size();
        const bool ok = std::fwrite(text_.data(), 1, text_.size(), file_) == text_.size();
        text_.clear();
        return ok;
    }

    unsigned long long size() const { return written_ + text_.size(); }
    unsigned long long rows() const { return rows_; }

private:
    std::FILE* file_;
    std::string text_;
    unsigned long long written_ = 0;
    unsigned long long rows_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    char* end = nullptr;
    const unsigned long long mib = std::strtoull(argv[2], &end, 10);
    if (*end != '\0' || mib == 0) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }

    const unsigned long long target = mib << 20;
    Output out(file);
    PinNumbers numbers;
    out.line("Device/Package kvx900ffg1761 2026-12-01 09:30:00");
    out.line("");

    for (int block = 0; out.size() < target; ++block) {
        const std::string bank = std::to_string(12 + block % 88);
        out.row(numbers.next(), bank, "IO_0_" + bank);
        for (int pair = 1; pair <= 24; ++pair) {
            const std::string tile = std::to_string((pair - 1) / 6);
            const std::string lane = "IO_L" + std::to_string(pair);
            out.row(numbers.next(), bank, lane + "P_T" + tile + "_" + bank);
            out.row(numbers.next(), bank, lane + "N_T" + tile + "_" + bank);
        }
        out.row(numbers.next(), bank, "IO_25_" + bank);
        for (int i = 0; i < 8; ++i)
            out.row(numbers.next(), "NA", "GND");
        for (int i = 0; i < 4; ++i)
            out.row(numbers.next(), bank, "VCCO_" + bank);
        if (block % 4 == 3) {
            for (int i = 0; i < 6; ++i)
                out.row(numbers.next(), "NA", i % 2 ? "VCCAUX" : "VCCINT");
            out.row(numbers.next(), "NA", "NC");
        }
    }
    out.line("\t\tTotal Number of Pins, " + std::to_string(out.rows()));

    const bool ok = out.flush() && std::fclose(file) == 0;
    if (!ok) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
