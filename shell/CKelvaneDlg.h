#pragma once

#include <string>

#include <QIcon>

#include "ModalDialog.h"
#include "UserMessageSink.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

// The main dialog: choose a pinout file, convert it to its CSV pin list.
class CKelvaneDlg : public ModalDialog, public kelvane::UserMessageSink {
    Q_OBJECT
public:
    enum { IDD = 102 };

    explicit CKelvaneDlg(UserPrompts& prompts);

    void Show(const std::u16string& text, const std::u16string& caption, kelvane::MessageStyle style) override;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;

    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void OnPaint(QPaintEvent* event);
    void OnBrowse();
    void OnGenCsv();
    void OnDropFile(const std::u16string& fullPath);

    QPushButton* exitButton_;
    QGroupBox* pinoutGroup_;
    QLineEdit* pinoutPathEdit_;
    QPushButton* genCsvButton_;
    QPushButton* browseButton_;

    std::u16string m_strPinoutPath;
    QIcon m_hIcon;
};
