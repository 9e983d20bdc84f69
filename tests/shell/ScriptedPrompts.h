#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "UserPrompts.h"

// Answers in place of the user and remembers what was asked.
class ScriptedPrompts : public UserPrompts {
public:
    struct Message {
        QWidget* owner;
        QString text;
        QString caption;
        PromptIcon icon;
    };

    void showMessage(QWidget* owner, const QString& text, const QString& caption, PromptIcon icon) override;
    std::optional<QString> chooseFileToOpen(QWidget* owner, const QString& nameFilter) override;

    std::vector<Message> messages;
    // Runs while a message is up, as the user would look around before closing it.
    std::function<void()> whileMessageShown;

    // One answer per chooser shown: a full path for OK, nothing for Cancel.
    std::deque<std::optional<QString>> chooserAnswers;
    std::vector<QString> chooserFilters;
    std::vector<QWidget*> chooserOwners;
};
