#include "FaultSupport.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "FileError.h"
#include "PinoutCsvConverter.h"
#include "RecordingSink.h"
#include "Utf16.h"

namespace kelvane::test {

std::string pinoutWithRows(int rows)
{
    std::string text = "Device/Package kvfault 2026-12-01 09:30:00\r\n\r\n";
    for (int i = 0; i < rows; ++i) {
        const std::string bank = std::to_string(12 + i / 48);
        const std::string number = std::string(1, static_cast<char>('A' + i / 44 % 20)) + std::to_string(i % 44 + 1);
        switch (i % 48) {
        case 40: case 41: case 42: case 43:
            text += number + "\tNA\tGND \r\n";
            break;
        case 44: case 45: case 46: case 47:
            text += number + "\t" + bank + "\tVCCO_" + bank + " \r\n";
            break;
        default:
            text += number + "\t" + bank + "\tIO_L" + std::to_string(i % 40 / 2) + (i % 2 ? "N" : "P") + "_T1_" + bank + " \r\n";
        }
    }
    return text;
}

ChildResult convertWithinDeadline(const std::string& path)
{
    return runInChild([&] {
        ::alarm(10);
        RecordingSink sink;
        std::string shown;
        try {
            PinoutCsvConverter().Convert(fromUtf8(path), sink);
        } catch (const FileError& error) {
            shown += "FileError " + std::to_string(error.cause()) + ": " + error.what() + "\n";
        }
        for (const auto& message : sink.messages) {
            shown += message.style == MessageStyle::Error ? "Error: " : "Plain: ";
            shown += toUtf8(message.text) + "\n";
        }
        return shown;
    });
}

LockedByOtherProcess::LockedByOtherProcess(const std::string& path)
{
    int ready[2];
    int release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = ::fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        ::close(ready[0]);
        ::close(release[1]);
        const int fd = ::open(path.c_str(), O_RDONLY);
        const char status = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
        if (::write(ready[1], &status, 1) != 1)
            ::_exit(1);
        char ignored;
        while (::read(release[0], &ignored, 1) > 0) {
        }
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    release_ = release[1];
    char status = 'n';
    const bool told = ::read(ready[0], &status, 1) == 1;
    ::close(ready[0]);
    if (!told || status != 'y') {
        stop();
        throw std::runtime_error("the other process could not lock " + path);
    }
}

LockedByOtherProcess::~LockedByOtherProcess() { stop(); }

void LockedByOtherProcess::stop()
{
    if (release_ >= 0)
        ::close(release_);
    release_ = -1;
    if (pid_ > 0)
        ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

}  // namespace kelvane::test
