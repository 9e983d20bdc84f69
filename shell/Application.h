#pragma once

#include <string>

#include "ReleaseFailureReporter.h"

class QWidget;
class UserPrompts;

// The program as a whole: start() runs the per-instance initialisation, which
// does the program's work; when it returns false there is nothing left to run.
// Needs a QApplication to exist.
class Application {
public:
    explicit Application(UserPrompts& prompts);
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The process's exit status.
    int start();

    QWidget* mainWindow() const { return mainWindow_; }
    const std::u16string& registryKey() const { return registryKey_; }

protected:
    virtual bool InitInstance();

    // Control classes and the control container need no preparation under Qt;
    // the steps stay so that start-up keeps its order.
    void prepareCommonControls() {}
    void enableControlContainer() {}
    // Recorded only: nothing is ever read or written under it.
    void setRegistryKey(const std::u16string& key) { registryKey_ = key; }
    void setMainWindow(QWidget* window) { mainWindow_ = window; }

    UserPrompts& prompts() const { return prompts_; }

private:
    UserPrompts& prompts_;
    QWidget* mainWindow_ = nullptr;
    std::u16string registryKey_;
    kelvane::ReleaseFailureReporter previousReporter_;
};
