#pragma once

#include <exception>
#include <optional>

#include <QString>

#include "UserPrompts.h"

// Thrown to leave a command quietly: nothing is shown.
struct SilentFailure {};

struct FailureReport {
    QString text;
    PromptIcon icon;
};

// What the user is shown for a failure that escaped a command, or nothing.
std::optional<FailureReport> describeFailure(std::exception_ptr failure);
