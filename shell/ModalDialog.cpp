#include "ModalDialog.h"

#include <QKeyEvent>
#include <QScreen>

#include "ApplicationName.h"
#include "DataExchange.h"
#include "FailureReport.h"
#include "UserPrompts.h"

ModalDialog::ModalDialog(UserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , prompts_(prompts)
{
}

int ModalDialog::DoModal()
{
    return exec() == QDialog::Accepted ? Ok : Cancel;
}

bool ModalDialog::UpdateData(bool takeIn)
{
    try {
        DataExchange exchange(takeIn);
        DoDataExchange(exchange);
        return true;
    } catch (...) {
        const auto report = describeFailure(std::current_exception());
        if (report)
            prompts_.showMessage(this, report->text, applicationName(), PromptIcon::Exclamation);
        return false;
    }
}

void ModalDialog::reject()
{
    OnCancel();
}

void ModalDialog::DoDataExchange(DataExchange&)
{
}

bool ModalDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void ModalDialog::OnOK()
{
    if (UpdateData(true))
        QDialog::accept();
}

void ModalDialog::OnCancel()
{
    QDialog::reject();
}

void ModalDialog::runCommand(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (...) {
        showFailure(std::current_exception());
    }
}

void ModalDialog::showFailure(std::exception_ptr failure)
{
    // Showing can fail too (no memory left for the box); the dialog must still stay.
    try {
        if (const auto report = describeFailure(failure))
            prompts_.showMessage(this, report->text, applicationName(), report->icon);
    } catch (...) {
    }
}

void ModalDialog::showEvent(QShowEvent* event)
{
    if (!initialised_) {
        initialised_ = true;
        bool focusFirst = false;
        runCommand([&] { focusFirst = OnInitDialog(); });
        if (focusFirst) {
            for (QWidget* next = nextInFocusChain(); next != this; next = next->nextInFocusChain()) {
                if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled()) {
                    next->setFocus(Qt::TabFocusReason);
                    break;
                }
            }
        }
        centreOnScreen();
    }
    QDialog::showEvent(event);
}

void ModalDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // No help engine here and no help content: say so, as a failed launch would.
        runCommand([this] {
            prompts_.showMessage(this, QStringLiteral("Failed to launch help."), applicationName(),
                PromptIcon::Exclamation);
        });
        return;
    }
    QDialog::keyPressEvent(event);
}

void ModalDialog::centreOnScreen()
{
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
