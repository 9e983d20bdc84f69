#pragma once

#include <functional>
#include <string>

namespace kelvane {

// A reader or writer released while open closes itself; a failure of that close
// cannot be thrown from a destructor, so its text goes to this reporter, which the
// front end installs (the dialog shows a message box, the converter prints it).
using ReleaseFailureReporter = std::function<void(const std::u16string& text)>;

// Returns the reporter it replaces. Without one, the text goes to standard error.
ReleaseFailureReporter setReleaseFailureReporter(ReleaseFailureReporter reporter);

// Formats "Exception thrown in destructor (FILE:LINE)\nMESSAGE" and hands it on.
void reportReleaseFailure(const char* sourceFile, int line, const std::u16string& message);

}  // namespace kelvane
