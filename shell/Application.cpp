#include "Application.h"

#include <QApplication>

#include "ApplicationName.h"
#include "QtText.h"
#include "UserPrompts.h"

Application::Application(UserPrompts& prompts)
    : prompts_(prompts)
{
    // A file released while open whose close fails has no caller left to
    // throw to; the user still has to hear about it.
    previousReporter_ = kelvane::setReleaseFailureReporter([this](const std::u16string& text) {
        prompts_.showMessage(mainWindow_, toQString(text), applicationName(), PromptIcon::Exclamation);
    });
}

Application::~Application()
{
    kelvane::setReleaseFailureReporter(std::move(previousReporter_));
}

int Application::start()
{
    if (!InitInstance())
        return 0;
    return QApplication::exec();
}

bool Application::InitInstance()
{
    return true;
}
