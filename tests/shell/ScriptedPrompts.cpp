#include "ScriptedPrompts.h"

#include <stdexcept>

void ScriptedPrompts::showMessage(QWidget* owner, const QString& text, const QString& caption, PromptIcon icon)
{
    messages.push_back({owner, text, caption, icon});
    if (whileMessageShown)
        whileMessageShown();
}

std::optional<QString> ScriptedPrompts::chooseFileToOpen(QWidget* owner, const QString& nameFilter)
{
    chooserFilters.push_back(nameFilter);
    chooserOwners.push_back(owner);
    if (chooserAnswers.empty())
        throw std::logic_error("file chooser shown with no answer scripted");
    auto answer = chooserAnswers.front();
    chooserAnswers.pop_front();
    return answer;
}
