#include "ReadFailureInjection.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <deque>

namespace kelvane::test {
namespace {

struct Plan {
    bool armed = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::deque<long> steps;
};

Plan& plan()
{
    static Plan instance;
    return instance;
}

}  // namespace

void planReads(const std::string& path, std::vector<long> steps)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return;
    plan() = Plan{true, status.st_dev, status.st_ino, std::deque<long>(steps.begin(), steps.end())};
}

void clearReadPlan()
{
    plan() = Plan{};
}

}  // namespace kelvane::test

// Stands in for the C library's read in this test program only, so that the reader
// meets failures no real file produces on demand.
extern "C" ssize_t read(int fd, void* buffer, size_t count)
{
    using RealRead = ssize_t (*)(int, void*, size_t);
    static const auto realRead = reinterpret_cast<RealRead>(::dlsym(RTLD_NEXT, "read"));
    auto& planned = kelvane::test::plan();
    struct stat status {};
    if (planned.armed && !planned.steps.empty() && ::fstat(fd, &status) == 0 && status.st_dev == planned.device
        && status.st_ino == planned.inode) {
        const long step = planned.steps.front();
        planned.steps.pop_front();
        if (step == kelvane::test::kFail) {
            errno = EIO;
            return -1;
        }
        if (static_cast<size_t>(step) < count)
            count = static_cast<size_t>(step);
    }
    return realRead(fd, buffer, count);
}
