#pragma once

#include <functional>
#include <string>

#include "FileError.h"

namespace kelvane {

// A reader or writer released while open closes itself; a failure of that close
// cannot be thrown from a destructor, so its text goes to this reporter, which the
// front end installs (the dialog shows a message box, the converter prints it).
using ReleaseFailureReporter = std::function<void(const std::u16string& text)>;

// Returns the reporter it replaces. Without one, the text goes to standard error.
ReleaseFailureReporter setReleaseFailureReporter(ReleaseFailureReporter reporter);

// Formats "Exception thrown in destructor (FILE:LINE)\nMESSAGE" and hands it on.
void reportReleaseFailure(const char* sourceFile, int line, const std::u16string& message);

// For the destructor of a component with isOpen() and Close(): closes it, and
// hands a failure of that close to the reporter instead of letting it escape.
template <typename Component>
void closeOnRelease(Component& component, const char* sourceFile, int line) noexcept
{
    if (!component.isOpen())
        return;
    try {
        component.Close();
    } catch (const FileError& error) {
        try {
            reportReleaseFailure(sourceFile, line, error.message());
        } catch (...) {
        }
    }
}

}  // namespace kelvane
