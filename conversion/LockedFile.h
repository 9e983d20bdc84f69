#pragma once

#include <sys/stat.h>

#include <string>

namespace kelvane {

// Opens a regular file with the given access flags and takes an exclusive lock on
// it, so that no other opener can use it meanwhile. Never blocks: a FIFO or device
// is refused at once. accept, when given, may refuse the file by its status.
// Returns the descriptor, or -1 with nothing left open.
int openLockedRegularFile(const std::string& nativePath, int flags, bool (*accept)(const struct stat&) = nullptr);

}  // namespace kelvane
