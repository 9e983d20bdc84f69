#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

#include "ModalAnswer.h"
#include "QtUserPrompts.h"

Q_DECLARE_METATYPE(PromptIcon)
Q_DECLARE_METATYPE(QMessageBox::Icon)

namespace {

const QString kFilter = QStringLiteral("Xilinx FPGA Package/Device Pinout Files (ASCII) (*.txt)");

}  // namespace

class QtUserPromptsTest : public QObject {
    Q_OBJECT

private slots:
    void messageBox_data();
    void messageBox();
    void chooser_data();
    void chooser();
};

void QtUserPromptsTest::messageBox_data()
{
    QTest::addColumn<PromptIcon>("icon");
    QTest::addColumn<QMessageBox::Icon>("boxIcon");

    QTest::newRow("plain") << PromptIcon::None << QMessageBox::NoIcon;
    QTest::newRow("stop") << PromptIcon::Stop << QMessageBox::Critical;
    QTest::newRow("exclamation") << PromptIcon::Exclamation << QMessageBox::Warning;
}

void QtUserPromptsTest::messageBox()
{
    QFETCH(PromptIcon, icon);
    QFETCH(QMessageBox::Icon, boxIcon);

    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    const QString text = QStringLiteral("File is Successfully Generated\uFF01");

    bool answered = false;
    QString seenText, seenTitle;
    QMessageBox::Icon seenIcon{};
    QWidget* seenParent = nullptr;
    bool ownerEnabled = true;
    answerModal<QMessageBox>(
        [&](QMessageBox* box) {
            seenText = box->text();
            seenTitle = box->windowTitle();
            seenIcon = box->icon();
            seenParent = box->parentWidget();
            ownerEnabled = !QApplication::activeModalWidget() || QApplication::activeModalWidget() == &owner;
            QTest::keyClick(box, Qt::Key_Return);
        },
        &answered);
    QtUserPrompts().showMessage(&owner, text, QStringLiteral("Kelvane Ver0.01"), icon);

    QVERIFY(answered);
    QCOMPARE(seenText, text);
    QCOMPARE(seenTitle, QStringLiteral("Kelvane Ver0.01"));
    QCOMPARE(seenIcon, boxIcon);
    QCOMPARE(seenParent, &owner);
    QVERIFY(!ownerEnabled);
}

void QtUserPromptsTest::chooser_data()
{
    QTest::addColumn<QString>("select");  // relative to a folder holding pins.txt; empty: Cancel
    QTest::addColumn<bool>("chosen");

    QTest::newRow("an existing pinout file") << QStringLiteral("pins.txt") << true;
    QTest::newRow("a file that does not exist yet") << QStringLiteral("later.txt") << true;
    QTest::newRow("cancelled") << QString() << false;
}

void QtUserPromptsTest::chooser()
{
    QFETCH(QString, select);
    QFETCH(bool, chosen);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile pins(dir.filePath(QStringLiteral("pins.txt")));
    QVERIFY(pins.open(QIODevice::WriteOnly));
    pins.close();
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowActive(&owner));

    bool answered = false;
    QStringList filters;
    QWidget* parent = nullptr;
    QFileDialog::AcceptMode mode{};
    QString title, shownFilter;
    answerModal<QFileDialog>(
        [&](QFileDialog* chooser) {
            filters = chooser->nameFilters();
            title = chooser->windowTitle();
            if (auto* types = chooser->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
                shownFilter = types->currentText();
            parent = chooser->parentWidget();
            mode = chooser->acceptMode();
            if (select.isEmpty()) {
                QTest::keyClick(chooser, Qt::Key_Escape);
                return;
            }
            // As a person would: type the file's path into the name field, press Enter.
            auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name)
                return;
            name->setFocus();
            QTest::keyClicks(name, dir.filePath(select));
            QTest::keyClick(name, Qt::Key_Return);
        },
        &answered);
    const auto result = QtUserPrompts().chooseFileToOpen(&owner, kFilter);

    QVERIFY(answered);
    QCOMPARE(filters, QStringList{kFilter});
    QCOMPARE(shownFilter, QStringLiteral("Xilinx FPGA Package/Device Pinout Files (ASCII)"));
    QCOMPARE(title, QStringLiteral("Open"));
    QCOMPARE(parent, &owner);
    QCOMPARE(mode, QFileDialog::AcceptOpen);
    if (chosen) {
        QVERIFY(result.has_value());
        QCOMPARE(*result, QFileInfo(dir.filePath(select)).absoluteFilePath());
    } else {
        QVERIFY(!result.has_value());
    }
}

QTEST_MAIN(QtUserPromptsTest)
#include "QtUserPromptsTest.moc"
