#pragma once

#include "UserPrompts.h"

// The real message boxes and file chooser.
class QtUserPrompts : public UserPrompts {
public:
    void showMessage(QWidget* owner, const QString& text, const QString& caption, PromptIcon icon) override;
    std::optional<QString> chooseFileToOpen(QWidget* owner, const QString& nameFilter) override;
};
