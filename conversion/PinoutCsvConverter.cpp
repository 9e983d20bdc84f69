#include "PinoutCsvConverter.h"

#include "CsvField.h"
#include "PinGrouper.h"
#include "PinoutColumns.h"
#include "TextLineReader.h"
#include "TextLineWriter.h"

namespace kelvane {
namespace {

constexpr std::u16string_view kHeader = u"Pin Group,Number,Name,Type,Swap,Seq.\r\n";

bool isStopLine(std::u16string_view line)
{
    return line.empty() || line.starts_with(u"\t\t");
}

void appendDecimal(std::u16string& row, std::int64_t value)
{
    char digits[24];
    int count = 0;
    const bool negative = value < 0;
    auto magnitude = negative ? -static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        row += u'-';
    while (count > 0)
        row += static_cast<char16_t>(digits[--count]);
}

}  // namespace

void PinoutCsvConverter::Convert(const std::u16string& inputPath, UserMessageSink& sink)
{
    TextLineReader reader;
    if (!reader.Open(inputPath)) {
        sink.Show(kFileNotFound, kMessageCaption, MessageStyle::Error);
        return;
    }
    TextLineWriter writer;
    if (!writer.Create(inputPath + u".csv")) {
        sink.Show(kFileNotFound, kMessageCaption, MessageStyle::Error);
        reader.Close();
        return;
    }

    std::u16string line;
    reader.ReadLine(line);
    reader.ReadLine(line);
    writer.Write(kHeader);

    PinGrouper grouper;
    std::u16string row;
    for (;;) {
        reader.ReadLine(line);
        if (isStopLine(line))
            break;
        const PinoutColumns columns = splitColumns(line);
        // Name columns end in one blank in these files; it is not part of the name.
        std::u16string_view name = columns.name;
        if (!name.empty())
            name.remove_suffix(1);
        const auto pin = grouper.place(columns.groupKey, name);

        row.assign(u"Gate-");
        row += pin.group;
        row += u',';
        appendCsvField(row, columns.number);
        row += u',';
        appendCsvField(row, pin.name);
        row += u",Undefined,0,";
        appendDecimal(row, pin.sequence);
        row += u"\r\n";
        writer.Write(row);
    }

    reader.Close();
    writer.Close();
    sink.Show(kSuccessfullyGenerated, kMessageCaption, MessageStyle::Plain);
}

}  // namespace kelvane
