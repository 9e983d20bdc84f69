#include "PinoutCsvConverter.h"

#include "CsvRowBuilder.h"
#include "FileError.h"
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

// The pins are all written by now: a footer that can't be read states nothing
// rather than failing the conversion.
std::optional<std::int64_t> findStatedPinTotal(LineLookahead& lines, std::u16string& line)
{
    auto total = statedPinTotal(line);
    try {
        for (int looked = 0; !total && looked < kFooterSearchLines && isFillerLine(line); ++looked) {
            if (!lines.next(line))
                break;
            total = statedPinTotal(line);
        }
    } catch (const FileError&) {
        return std::nullopt;
    }
    return total;
}

}  // namespace

void PinoutCsvConverter::Convert(const std::u16string& inputPath, UserMessageSink& sink)
{
    run(inputPath, sink, nullptr);
}

void PinoutCsvConverter::Convert(const std::u16string& inputPath, UserMessageSink& sink, ConversionSummary& summary)
{
    summary = ConversionSummary{};
    run(inputPath, sink, &summary);
}

void PinoutCsvConverter::run(const std::u16string& inputPath, UserMessageSink& sink, ConversionSummary* summary)
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

    LineLookahead lines(reader);
    const LayoutDetection detection = detectLayout(lines);
    ConversionSummary facts;
    facts.layout = detection.layout;

    std::u16string line;
    TabRowParser tabRows;
    std::unique_ptr<PinoutRowParser> titledRows;
    PinoutRowParser* rows = &tabRows;
    if (detection.layout == PinoutLayout::Tab) {
        lines.next(line);
        lines.next(line);
        writer.Write(kHeader);
        lines.next(line);
    } else {
        for (std::size_t index = 0; index <= detection.titleLine; ++index)
            lines.next(line);
        titledRows = makeTitledRowParser(detection.layout, line);
        rows = titledRows.get();
        writer.Write(kHeader);
        while (lines.next(line) && isFillerLine(line)) {
        }
    }

    PinGrouper grouper;
    CsvRowBuilder row;
    while (!rows->endsRows(line)) {
        const PinRow pinRow = rows->parse(line);
        const auto pin = grouper.place(pinRow.groupKey, pinRow.name);
        writer.Write(row.build(pin.group, pinRow.number, pin.name, pin.sequence));
        ++facts.pins;

        lines.next(line);
    }
    facts.groups = grouper.groupCount();
    if (summary) {
        facts.statedPins = findStatedPinTotal(lines, line);
        *summary = facts;
    }

    reader.Close();
    writer.Close();
    sink.Show(kSuccessfullyGenerated, kMessageCaption, MessageStyle::Plain);
}

}  // namespace kelvane
