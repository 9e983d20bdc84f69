#pragma once

#include <sys/types.h>

#include <string>

#include "ChildProcess.h"

namespace kelvane::test {

// A pinout file of two heading lines and the given number of pin rows in banks of
// 40, each bank followed by GND and VCCO pins, ending in CR LF.
std::string pinoutWithRows(int rows);

// Converts path in a forked child that is killed if it takes longer than a few
// seconds, and hands back the shown messages, one per line, as "Error: TEXT" or
// "Plain: TEXT" in UTF-8, or "FileError CAUSE: WHAT" for an error that escaped.
ChildResult convertWithinDeadline(const std::string& path);

// Holds an exclusive flock on a file from another process until destroyed.
class LockedByOtherProcess {
public:
    explicit LockedByOtherProcess(const std::string& path);
    ~LockedByOtherProcess();
    LockedByOtherProcess(const LockedByOtherProcess&) = delete;
    LockedByOtherProcess& operator=(const LockedByOtherProcess&) = delete;

private:
    void stop();

    pid_t pid_ = -1;
    int release_ = -1;
};

}  // namespace kelvane::test
