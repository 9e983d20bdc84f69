#pragma once

#include <optional>

#include <QString>

class QWidget;

enum class PromptIcon {
    None,
    Stop,
    Exclamation,
};

// Everything that asks the user something in a window of its own goes through
// here, so that tests can answer in place of a person.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // Modal to owner; returns once the user has closed the box.
    virtual void showMessage(QWidget* owner, const QString& text, const QString& caption, PromptIcon icon) = 0;

    // nameFilter in Qt's form, "Description (*.ext)". The chosen file's full
    // path, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFileToOpen(QWidget* owner, const QString& nameFilter) = 0;
};
