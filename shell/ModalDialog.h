#pragma once

#include <functional>

#include <QDialog>

class DataExchange;
class UserPrompts;

// A dialog run modally, with data exchange between its controls and members,
// and commands whose escaping failures are shown to the user instead of
// ending the program.
class ModalDialog : public QDialog {
    Q_OBJECT
public:
    enum Result {
        Ok = 1,
        Cancel = 2,
    };

    explicit ModalDialog(UserPrompts& prompts, QWidget* parent = nullptr);

    // Runs until OK or Cancel ends the dialog.
    int DoModal();

    // true: controls into members; false: members into controls. A failure is
    // shown and makes it return false.
    bool UpdateData(bool takeIn);

    // Ends the dialog with Cancel; the Escape key arrives here.
    void reject() override;

protected:
    virtual void DoDataExchange(DataExchange& exchange);
    // Before the first show. Returning true puts the focus on the first control
    // in tab order.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // Runs a command handler; what escapes it is shown and the dialog stays.
    void runCommand(const std::function<void()>& handler);

    UserPrompts& prompts() const { return prompts_; }

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showFailure(std::exception_ptr failure);
    void centreOnScreen();

    UserPrompts& prompts_;
    bool initialised_ = false;
};
