#include "LockedFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kelvane {

int openLockedRegularFile(const std::string& nativePath, int flags, bool (*accept)(const struct stat&))
{
    const int fd = ::open(nativePath.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return -1;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || (accept && !accept(status))
        || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace kelvane
