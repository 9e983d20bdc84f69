#include "QtUserPrompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Stop:
        return QMessageBox::Critical;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtUserPrompts::showMessage(QWidget* owner, const QString& text, const QString& caption, PromptIcon icon)
{
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, owner);
    // A box is a window of its own and would not inherit the owner's font,
    // which is the one known to hold the glyphs of our texts.
    if (owner)
        box.setFont(owner->font());
    box.exec();
}

std::optional<QString> QtUserPrompts::chooseFileToOpen(QWidget* owner, const QString& nameFilter)
{
    QFileDialog chooser(owner);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    // Whether the file exists is for the conversion to find out.
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setOption(QFileDialog::HideNameFilterDetails);
    // Desktop-native choosers cut the filter's name at its first parenthesis and
    // show no title; Qt's own shows both as meant, on every desktop.
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setNameFilter(nameFilter);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(chooser.selectedFiles().constFirst()).absoluteFilePath();
}
