#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QApplication>

#include "CKelvaneApp.h"
#include "QtUserPrompts.h"
#include "Version.h"

namespace {

bool displayAvailable()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-V") == 0)) {
        std::printf("kelvane %s\n", kelvane::kVersion);
        return 0;
    }
    if (!displayAvailable()) {
        std::fprintf(stderr,
            "kelvane: no graphical display to open the dialog on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
            "To convert without one, use the command-line converter: kelvane-convert PINOUT-FILE...\n");
        return 1;
    }
    // A file-size limit then fails the write like a full disk instead of killing us.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication qtApplication(argc, argv);
    QtUserPrompts prompts;
    CKelvaneApp app(prompts);
    return app.start();
}
