#pragma once

#include <string>

#include "ConversionSummary.h"
#include "UserMessageSink.h"

namespace kelvane {

inline constexpr const char16_t* kMessageCaption = u"Kelvane Ver0.01";
inline constexpr const char16_t* kFileNotFound = u"File is Not Found\uFF01";
inline constexpr const char16_t* kSuccessfullyGenerated = u"File is Successfully Generated\uFF01";

// Turns a pinout file into its CSV pin list, written beside it as PATH.csv.
// The outcome is shown through the sink; a FileError from reading, writing or
// closing leaves Convert unhandled.
class PinoutCsvConverter {
public:
    void Convert(const std::u16string& inputPath, UserMessageSink& sink);
    // The same, and tells what the file held; summary is complete when the
    // success message is shown.
    void Convert(const std::u16string& inputPath, UserMessageSink& sink, ConversionSummary& summary);

private:
    // Without a summary to fill, nothing after the stop line is read.
    void run(const std::u16string& inputPath, UserMessageSink& sink, ConversionSummary* summary);
};

}  // namespace kelvane
