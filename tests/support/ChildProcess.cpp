#include "ChildProcess.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <exception>
#include <stdexcept>

namespace kelvane::test {
namespace {

void writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (count <= 0)
            return;
        done += static_cast<std::size_t>(count);
    }
}

}  // namespace

ChildResult runInChild(const std::function<std::string()>& body, std::optional<std::uint64_t> fileSizeLimit)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::close(pipeFds[0]);
        int code = 0;
        std::string output;
        try {
            if (fileSizeLimit) {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{*fileSizeLimit, *fileSizeLimit};
                if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                    ::_exit(4);
            }
            output = body();
        } catch (const std::exception& error) {
            output = std::string("uncaught: ") + error.what();
            code = 3;
        }
        writeAll(pipeFds[1], output);
        ::_exit(code);
    }
    ::close(pipeFds[1]);
    std::string output;
    char buffer[4096];
    ssize_t count;
    while ((count = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(count));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

}  // namespace kelvane::test
