#include "PinoutCsvConverter.h"

#include "CsvField.h"
#include "LineLookahead.h"
#include "PinGrouper.h"
#include "PinoutFooter.h"
#include "PinoutText.h"
#include "TabRowParser.h"
#include "TextLineReader.h"
#include "TextLineWriter.h"

namespace kelvane {
namespace {

constexpr std::u16string_view kHeader = u"Pin Group,Number,Name,Type,Swap,Seq.\r\n";

// The footer stands right after the rows, perhaps behind a few padding lines.
constexpr int kFooterSearchLines = 4;

std::optional<std::int64_t> findStatedPinTotal(LineLookahead& lines, std::u16string& line)
{
    auto total = statedPinTotal(line);
    for (int looked = 0; !total && looked < kFooterSearchLines && isFillerLine(line); ++looked) {
        if (!lines.next(line))
            break;
        total = statedPinTotal(line);
    }
    return total;
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
    ConversionSummary summary;
    Convert(inputPath, sink, summary);
}

void PinoutCsvConverter::Convert(const std::u16string& inputPath, UserMessageSink& sink, ConversionSummary& summary)
{
    summary = ConversionSummary{};
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

    LineLookahead lines(reader);
    const LayoutDetection detection = detectLayout(lines);
    summary.layout = detection.layout;

    std::u16string line;
    TabRowParser tabRows;
    std::unique_ptr<PinoutRowParser> titledRows;
    PinoutRowParser* rows = &tabRows;
    if (detection.layout == PinoutLayout::Tab) {
        lines.next(line);
        lines.next(line);
        lines.next(line);
    } else {
        for (std::size_t index = 0; index <= detection.titleLine; ++index)
            lines.next(line);
        titledRows = makeTitledRowParser(detection.layout, line);
        rows = titledRows.get();
        while (lines.next(line) && isFillerLine(line)) {
        }
    }
    writer.Write(kHeader);

    PinGrouper grouper;
    std::u16string row;
    while (!rows->endsRows(line)) {
        const PinRow pinRow = rows->parse(line);
        const auto pin = grouper.place(pinRow.groupKey, pinRow.name);

        row.assign(u"Gate-");
        row += pin.group;
        row += u',';
        appendCsvField(row, pinRow.number);
        row += u',';
        appendCsvField(row, pin.name);
        row += u",Undefined,0,";
        appendDecimal(row, pin.sequence);
        row += u"\r\n";
        writer.Write(row);
        ++summary.pins;

        lines.next(line);
    }
    summary.groups = grouper.groupCount();
    summary.statedPins = findStatedPinTotal(lines, line);

    reader.Close();
    writer.Close();
    sink.Show(kSuccessfullyGenerated, kMessageCaption, MessageStyle::Plain);
}

}  // namespace kelvane
