#include <sys/resource.h>

#include <csignal>

#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include "Application.h"
#include "CKelvaneDlg.h"
#include "Files.h"
#include "ScriptedPrompts.h"
#include "TypeText.h"
#include "TempDir.h"

Q_DECLARE_METATYPE(PromptIcon)

using kelvane::test::fileExists;
using kelvane::test::fixturePath;
using kelvane::test::readFile;
using kelvane::test::TempDir;
using kelvane::test::writeFile;

namespace {

const QString kSuccess = QStringLiteral("File is Successfully Generated\uFF01");
const QString kNotFound = QStringLiteral("File is Not Found\uFF01");
const QString kCaption = QStringLiteral("Kelvane Ver0.01");
// The test program's file name stands in for the application's.
const QString kApplicationName = QStringLiteral("shell_dialog_tests");

std::string local(const QString& path)
{
    return path.toStdString();
}

// A shown, active dialog with its controls at hand.
struct ShownDialog {
    ScriptedPrompts prompts;
    CKelvaneDlg dialog{prompts};
    QPushButton* exit = dialog.findChild<QPushButton*>("exitButton");
    QLineEdit* field = dialog.findChild<QLineEdit*>("pinoutPathEdit");
    QPushButton* genCsv = dialog.findChild<QPushButton*>("genCsvButton");
    QPushButton* browse = dialog.findChild<QPushButton*>("browseButton");

    bool show()
    {
        dialog.show();
        return exit && field && genCsv && browse && QTest::qWaitForWindowActive(&dialog);
    }
};

// A pinout file of the worked example in a fresh folder.
struct PinoutFolder {
    TempDir dir;
    QString pinout = QString::fromStdString(dir.file("board.txt"));
    std::string expectedCsv = readFile(fixturePath("worked-example.expected.csv"));

    PinoutFolder() { writeFile(local(pinout), readFile(fixturePath("worked-example.txt"))); }
    std::string csvOf(const QString& path) const { return local(path) + ".csv"; }
};

}  // namespace

class KelvaneDialogTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithFocusOnExit();
    void looksAsLaidOut();
    void tabOrderRunsThroughTheControls();
    void endsWith_data();
    void endsWith();
    void browseSetsTheField_data();
    void browseSetsTheField();
    void convertsTheShownPath_data();
    void convertsTheShownPath();
    void typedPathWinsOverBrowsedOne();
    void outcomeMessage_data();
    void outcomeMessage();
    void escapingFailureIsShownAndDialogStays();
    void droppedFileIsChosen_data();
    void droppedFileIsChosen();
    void droppedFileWithANameThatIsNotUtf8IsConverted();
    void dropsOtherThanOneLocalFileAreRefused_data();
    void dropsOtherThanOneLocalFileAreRefused();
    void f1ReportsThatHelpCannotStart();
};

void KelvaneDialogTest::startsEmptyWithFocusOnExit()
{
    ShownDialog shown;
    QVERIFY(shown.show());
    QCOMPARE(shown.field->text(), QString());
    QCOMPARE(QApplication::focusWidget(), shown.exit);
    // A focused push button is the one Enter presses; elsewhere it is Gen CSV.
    QVERIFY(shown.exit->isDefault());
    shown.field->setFocus();
    QVERIFY(shown.genCsv->isDefault());
    QVERIFY(!shown.exit->isDefault());
}

void KelvaneDialogTest::looksAsLaidOut()
{
    ShownDialog shown;
    QVERIFY(shown.show());
    const CKelvaneDlg& dialog = shown.dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Kelvane  ver0.01"));
    QCOMPARE(shown.exit->text(), QStringLiteral("Exit"));
    QCOMPARE(shown.genCsv->text(), QStringLiteral("Gen CSV"));
    QCOMPARE(shown.browse->text(), QStringLiteral("..."));
    const auto* group = dialog.findChild<QGroupBox*>("pinoutGroup");
    QVERIFY(group);
    QCOMPARE(group->title(), QStringLiteral("Xilinx FPGA Package/Device Pinout Files (ASCII) (*.txt)"));

    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(!dialog.parentWidget());

    // The template's proportions: 253 by 90 units, a unit a quarter of the
    // average character wide and an eighth of a line high.
    const QFontMetrics metrics(dialog.font());
    QVERIFY(dialog.width() > 50 * metrics.averageCharWidth());
    QVERIFY(dialog.height() > 9 * metrics.height());
    for (QWidget* control : {static_cast<QWidget*>(shown.exit), static_cast<QWidget*>(shown.field),
             static_cast<QWidget*>(shown.genCsv), static_cast<QWidget*>(shown.browse)})
        QVERIFY2(dialog.rect().contains(control->geometry()), qPrintable(control->objectName()));
    QVERIFY(group->geometry().contains(shown.field->geometry()));
    QVERIFY(group->geometry().contains(shown.browse->geometry()));
    QVERIFY(shown.genCsv->geometry().right() < shown.exit->geometry().left());

    // Song-style text and the fullwidth mark of the messages must have glyphs.
    QVERIFY(metrics.inFontUcs4(0xFF01));
    QVERIFY(metrics.inFontUcs4(0x5B8B));

    const QIcon icon = dialog.windowIcon();
    for (int size : {16, 32, 48})
        QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
    QCOMPARE(icon.availableSizes().size(), 3);
}

void KelvaneDialogTest::tabOrderRunsThroughTheControls()
{
    ShownDialog shown;
    QVERIFY(shown.show());
    const QList<QWidget*> forward{shown.field, shown.genCsv, shown.browse, shown.exit};
    for (QWidget* expected : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
    const QList<QWidget*> backward{shown.browse, shown.genCsv, shown.field, shown.exit};
    for (QWidget* expected : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
}

void KelvaneDialogTest::endsWith_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("clickExit");
    QTest::addColumn<int>("result");

    QTest::newRow("Enter right after start") << QString() << int(Qt::Key_Return) << false << int(ModalDialog::Ok);
    QTest::newRow("Escape right after start") << QString() << int(Qt::Key_Escape) << false << int(ModalDialog::Cancel);
    QTest::newRow("Escape with a typed path") << QStringLiteral("/nowhere/x.txt") << int(Qt::Key_Escape) << false
                                              << int(ModalDialog::Cancel);
    QTest::newRow("Exit clicked with a typed path") << QStringLiteral("/nowhere/x.txt") << 0 << true
                                                    << int(ModalDialog::Ok);
}

void KelvaneDialogTest::endsWith()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(bool, clickExit);
    QFETCH(int, result);

    ShownDialog shown;
    bool driven = false;
    QTimer::singleShot(0, &shown.dialog, [&] {
        if (!QTest::qWaitForWindowActive(&shown.dialog))
            return shown.dialog.done(QDialog::Rejected);
        if (!typed.isEmpty()) {
            typeText(shown.field, typed);
            shown.exit->setFocus();
        }
        if (clickExit)
            QTest::mouseClick(shown.exit, Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        driven = true;
    });
    QCOMPARE(shown.dialog.DoModal(), result);
    QVERIFY(driven);
    QVERIFY(!shown.dialog.isVisible());
    QVERIFY(shown.prompts.messages.empty());
}

void KelvaneDialogTest::browseSetsTheField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("chooserOk");
    QTest::addColumn<bool>("expectChosen");

    QTest::newRow("OK on an empty field") << QString() << true << true;
    QTest::newRow("OK replaces typed text") << QStringLiteral("typed-elsewhere.txt") << true << true;
    QTest::newRow("Cancel keeps typed text") << QStringLiteral("typed") << false << false;
    QTest::newRow("Cancel on an empty field") << QString() << false << false;
}

void KelvaneDialogTest::browseSetsTheField()
{
    QFETCH(QString, typed);
    QFETCH(bool, chooserOk);
    QFETCH(bool, expectChosen);

    PinoutFolder folder;
    const QString typedPath = typed.isEmpty() ? QString() : folder.pinout + "-" + typed;
    if (!typed.isEmpty())
        writeFile(local(typedPath), readFile(local(folder.pinout)));

    ShownDialog shown;
    QVERIFY(shown.show());
    shown.prompts.chooserAnswers.push_back(chooserOk ? std::optional<QString>(folder.pinout) : std::nullopt);
    typeText(shown.field, typedPath);
    QTest::mouseClick(shown.browse, Qt::LeftButton);

    QCOMPARE(shown.prompts.chooserFilters.size(), std::size_t(1));
    QCOMPARE(shown.prompts.chooserFilters[0], QStringLiteral("Xilinx FPGA Package/Device Pinout Files (ASCII) (*.txt)"));
    QCOMPARE(shown.prompts.chooserOwners[0], &shown.dialog);
    const QString expectedField = expectChosen ? folder.pinout : typedPath;
    QCOMPARE(shown.field->text(), expectedField);

    // What the field shows is what gets converted.
    QTest::mouseClick(shown.genCsv, Qt::LeftButton);
    QCOMPARE(shown.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shown.prompts.messages[0].text, expectedField.isEmpty() ? kNotFound : kSuccess);
    if (!expectedField.isEmpty())
        QCOMPARE(readFile(folder.csvOf(expectedField)), folder.expectedCsv);
    if (expectedField != folder.pinout)
        QVERIFY(!fileExists(folder.csvOf(folder.pinout)));
}

void KelvaneDialogTest::convertsTheShownPath_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("folderName");

    QTest::newRow("Gen CSV clicked") << QStringLiteral("click") << QString();
    QTest::newRow("Enter in the field") << QStringLiteral("enter in field") << QString();
    QTest::newRow("Enter on the focused Gen CSV") << QStringLiteral("enter on button") << QString();
    QTest::newRow("Space on the focused Gen CSV") << QStringLiteral("space on button") << QString();
    QTest::newRow("path outside ASCII") << QStringLiteral("enter in field") << QStringLiteral("引脚 表");
}

void KelvaneDialogTest::convertsTheShownPath()
{
    QFETCH(QString, trigger);
    QFETCH(QString, folderName);

    TempDir dir;
    QString folder = QString::fromStdString(dir.path());
    if (!folderName.isEmpty()) {
        folder += "/" + folderName;
        QVERIFY(QDir().mkpath(folder));
    }
    const QString pinout = folder + "/pins.txt";
    writeFile(local(pinout), readFile(fixturePath("worked-example.txt")));
    const std::string csv = local(pinout) + ".csv";
    const std::string expectedCsv = readFile(fixturePath("worked-example.expected.csv"));

    ShownDialog shown;
    QVERIFY(shown.show());
    bool csvPresentWhileShown = false;
    shown.prompts.whileMessageShown = [&] { csvPresentWhileShown = fileExists(csv); };
    typeText(shown.field, pinout);

    auto press = [&] {
        if (trigger == "click") {
            QTest::mouseClick(shown.genCsv, Qt::LeftButton);
        } else if (trigger == "enter in field") {
            shown.field->setFocus();
            QTest::keyClick(shown.field, Qt::Key_Return);
        } else {
            shown.field->setFocus();
            QTest::keyClick(shown.field, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), shown.genCsv);
            QTest::keyClick(shown.genCsv, trigger == "space on button" ? Qt::Key_Space : Qt::Key_Return);
        }
    };

    for (int round = 1; round <= 2; ++round) {
        press();
        QCOMPARE(shown.prompts.messages.size(), std::size_t(round));
        const auto& message = shown.prompts.messages.back();
        QCOMPARE(message.text, kSuccess);
        QCOMPARE(message.caption, kCaption);
        QCOMPARE(message.icon, PromptIcon::None);
        QCOMPARE(message.owner, &shown.dialog);
        QVERIFY(csvPresentWhileShown);
        QCOMPARE(readFile(csv), expectedCsv);
        QVERIFY(shown.dialog.isVisible());
        QCOMPARE(shown.field->text(), pinout);
        // The second press converts again from scratch.
        QVERIFY(QFile::remove(QString::fromStdString(csv)));
    }
}

void KelvaneDialogTest::typedPathWinsOverBrowsedOne()
{
    PinoutFolder folder;
    const QString typed = folder.pinout + "-typed.txt";
    writeFile(local(typed), readFile(local(folder.pinout)));

    ShownDialog shown;
    QVERIFY(shown.show());
    shown.prompts.chooserAnswers.push_back(folder.pinout);
    QTest::mouseClick(shown.browse, Qt::LeftButton);
    shown.field->selectAll();
    typeText(shown.field, typed);
    QTest::mouseClick(shown.genCsv, Qt::LeftButton);

    QCOMPARE(shown.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shown.prompts.messages[0].text, kSuccess);
    QCOMPARE(readFile(folder.csvOf(typed)), folder.expectedCsv);
    QVERIFY(!fileExists(folder.csvOf(folder.pinout)));
}

void KelvaneDialogTest::outcomeMessage_data()
{
    QTest::addColumn<QString>("fieldText");  // "%1" stands for a folder holding the worked example as board.txt
    QTest::addColumn<QString>("text");
    QTest::addColumn<PromptIcon>("icon");
    QTest::addColumn<QString>("csvWritten");

    QTest::newRow("pinout converted") << QStringLiteral("%1/board.txt") << kSuccess << PromptIcon::None
                                      << QStringLiteral("%1/board.txt.csv");
    QTest::newRow("no such file") << QStringLiteral("%1/missing.txt") << kNotFound << PromptIcon::Stop << QString();
    QTest::newRow("empty field") << QString() << kNotFound << PromptIcon::Stop << QString();
    QTest::newRow("a folder") << QStringLiteral("%1") << kNotFound << PromptIcon::Stop << QString();
    QTest::newRow("relative path") << QStringLiteral("board.txt") << kSuccess << PromptIcon::None
                                   << QStringLiteral("%1/board.txt.csv");
}

void KelvaneDialogTest::outcomeMessage()
{
    QFETCH(QString, fieldText);
    QFETCH(QString, text);
    QFETCH(PromptIcon, icon);
    QFETCH(QString, csvWritten);

    PinoutFolder folder;
    const QString base = QString::fromStdString(folder.dir.path());
    const QString previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(base));
    auto restore = qScopeGuard([&] { QDir::setCurrent(previousDir); });

    ShownDialog shown;
    QVERIFY(shown.show());
    typeText(shown.field, fieldText.contains("%1") ? fieldText.arg(base) : fieldText);
    QTest::mouseClick(shown.genCsv, Qt::LeftButton);

    QCOMPARE(shown.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shown.prompts.messages[0].text, text);
    QCOMPARE(shown.prompts.messages[0].caption, kCaption);
    QCOMPARE(shown.prompts.messages[0].icon, icon);
    const QStringList written = QDir(base).entryList({"*.csv"}, QDir::Files);
    if (csvWritten.isEmpty()) {
        QVERIFY2(written.isEmpty(), qPrintable(written.join(' ')));
    } else {
        QCOMPARE(written, QStringList{QFileInfo(csvWritten).fileName()});
        QCOMPARE(readFile(local(csvWritten.arg(base))), folder.expectedCsv);
    }
}

void KelvaneDialogTest::escapingFailureIsShownAndDialogStays()
{
    TempDir dir;
    const QString pinout = QString::fromStdString(dir.file("large.txt"));
    std::string pins = "Device/Package big\n\n";
    for (int i = 0; i < 2000; ++i)
        pins += "P" + std::to_string(i) + "\t" + std::to_string(i / 100) + "\tIO_L" + std::to_string(i) + " \n";
    writeFile(local(pinout), pins);

    ShownDialog shown;
    QVERIFY(shown.show());
    typeText(shown.field, pinout);
    // The application routes the failed release of the unfinished CSV to a box.
    Application application(shown.prompts);

    // A file size limit makes the CSV's writes fail as on a full disk.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previousLimit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    rlimit limit = previousLimit;
    limit.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    QTest::mouseClick(shown.genCsv, Qt::LeftButton);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    std::signal(SIGXFSZ, previousHandler);

    // The CSV still held unwritten rows when the failure unwound the conversion:
    // its release fails too, and that box comes first.
    QCOMPARE(shown.prompts.messages.size(), std::size_t(2));
    const auto& release = shown.prompts.messages[0];
    QVERIFY2(release.text.startsWith(QStringLiteral("Exception thrown in destructor (TextLineWriter.cpp:")),
        qPrintable(release.text));
    QVERIFY(release.text.endsWith(QStringLiteral(")\nDisk full while accessing %1.csv.").arg(pinout)));
    QCOMPARE(release.caption, kApplicationName);
    QCOMPARE(release.icon, PromptIcon::Exclamation);
    const auto& failure = shown.prompts.messages[1];
    QCOMPARE(failure.text, QStringLiteral("Disk full while accessing %1.csv.").arg(pinout));
    QCOMPARE(failure.caption, kApplicationName);
    QCOMPARE(failure.icon, PromptIcon::Stop);
    QCOMPARE(failure.owner, &shown.dialog);
    QVERIFY(shown.dialog.isVisible());
    QCOMPARE(shown.field->text(), pinout);

    // With room again, the same file converts.
    QTest::mouseClick(shown.genCsv, Qt::LeftButton);
    QCOMPARE(shown.prompts.messages.size(), std::size_t(3));
    QCOMPARE(shown.prompts.messages[2].text, kSuccess);
    const std::string csv = readFile(local(pinout) + ".csv");
    QVERIFY(csv.size() > 4096);
    QVERIFY(csv.ends_with("Gate-T,P1999,IO_L1999,Undefined,0,100\r\n"));
}

namespace {

// Drags data into the dialog's window and drops it at a point; Qt hands the
// events to the widget there that takes drops. The action the drop was taken
// with, or IgnoreAction when it was refused.
Qt::DropAction dragAndDrop(QWidget& dialog, QMimeData& data, QPoint at, Qt::DropActions offered = Qt::CopyAction,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWindow* window = dialog.windowHandle();
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDragMoveEvent move(at, offered, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(window, &move);
    QDropEvent drop(QPointF(at), offered, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(window, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

}  // namespace

void KelvaneDialogTest::droppedFileIsChosen_data()
{
    QTest::addColumn<QString>("onto");
    QTest::addColumn<Qt::DropActions>("offered");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("onto the field") << QStringLiteral("pinoutPathEdit") << Qt::DropActions(Qt::CopyAction)
                                    << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("onto a button") << QStringLiteral("genCsvButton") << Qt::DropActions(Qt::CopyAction)
                                   << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("onto the group box") << QStringLiteral("pinoutGroup") << Qt::DropActions(Qt::CopyAction)
                                        << Qt::KeyboardModifiers(Qt::NoModifier);
    // Shift asks for a move; the source must still be told the file was only copied.
    QTest::newRow("copy or move offered, Shift held") << QStringLiteral("pinoutPathEdit")
                                                      << (Qt::CopyAction | Qt::MoveAction)
                                                      << Qt::KeyboardModifiers(Qt::ShiftModifier);
}

void KelvaneDialogTest::droppedFileIsChosen()
{
    QFETCH(QString, onto);
    QFETCH(Qt::DropActions, offered);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    PinoutFolder folder;
    ShownDialog shown;
    QVERIFY(shown.show());
    typeText(shown.field, QStringLiteral("something typed"));

    QMimeData data;
    // File managers offer the address as plain text as well.
    data.setUrls({QUrl::fromLocalFile(folder.pinout)});
    data.setText(QUrl::fromLocalFile(folder.pinout).toString());
    const QWidget* target = shown.dialog.findChild<QWidget*>(onto);
    QVERIFY(target);
    QCOMPARE(dragAndDrop(shown.dialog, data, target->geometry().topLeft() + QPoint(3, 3), offered, modifiers),
        Qt::CopyAction);
    QCOMPARE(shown.field->text(), folder.pinout);

    QTest::mouseClick(shown.genCsv, Qt::LeftButton);
    QCOMPARE(shown.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shown.prompts.messages[0].text, kSuccess);
    QCOMPARE(readFile(folder.csvOf(folder.pinout)), folder.expectedCsv);
}

// File managers send such a name percent-encoded byte by byte; decoding it as
// UTF-8 text would turn the odd byte into U+FFFD and miss the file.
void KelvaneDialogTest::droppedFileWithANameThatIsNotUtf8IsConverted()
{
    PinoutFolder folder;
    const std::string name = folder.dir.file("caf\xE9.txt");
    writeFile(name, readFile(fixturePath("worked-example.txt")));
    ShownDialog shown;
    QVERIFY(shown.show());

    QMimeData data;
    data.setUrls({QUrl::fromEncoded(QByteArray("file://") + QByteArray::fromStdString(name).toPercentEncoding("/"))});
    QCOMPARE(dragAndDrop(shown.dialog, data, shown.field->geometry().center()), Qt::CopyAction);
    QTest::mouseClick(shown.genCsv, Qt::LeftButton);

    QCOMPARE(shown.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shown.prompts.messages[0].text, kSuccess);
    QCOMPARE(readFile(name + ".csv"), folder.expectedCsv);
}

void KelvaneDialogTest::dropsOtherThanOneLocalFileAreRefused_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("plainText");
    QTest::addColumn<Qt::DropActions>("offered");

    QTest::newRow("two files") << QList<QUrl>{QUrl::fromLocalFile("/a.txt"), QUrl::fromLocalFile("/b.txt")}
                               << QString() << Qt::DropActions(Qt::CopyAction);
    QTest::newRow("a web address") << QList<QUrl>{QUrl("https://example.org/pins.txt")} << QString()
                                   << Qt::DropActions(Qt::CopyAction);
    QTest::newRow("plain text") << QList<QUrl>{} << QStringLiteral("/some/path.txt") << Qt::DropActions(Qt::CopyAction);
    QTest::newRow("only a move offered") << QList<QUrl>{QUrl::fromLocalFile("/a.txt")} << QString()
                                         << Qt::DropActions(Qt::MoveAction);
}

void KelvaneDialogTest::dropsOtherThanOneLocalFileAreRefused()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, plainText);
    QFETCH(Qt::DropActions, offered);

    ShownDialog shown;
    QVERIFY(shown.show());
    typeText(shown.field, QStringLiteral("kept.txt"));
    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!plainText.isEmpty())
        data.setText(plainText);
    QCOMPARE(dragAndDrop(shown.dialog, data, shown.field->geometry().center(), offered), Qt::IgnoreAction);
    QCOMPARE(shown.field->text(), QStringLiteral("kept.txt"));
}

void KelvaneDialogTest::f1ReportsThatHelpCannotStart()
{
    ShownDialog shown;
    QVERIFY(shown.show());
    QTest::keyClick(shown.field, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(shown.exit, Qt::Key_F1, Qt::ControlModifier);
    QVERIFY(shown.prompts.messages.empty());

    QTest::keyClick(shown.field, Qt::Key_F1);
    QCOMPARE(shown.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shown.prompts.messages[0].text, QStringLiteral("Failed to launch help."));
    QCOMPARE(shown.prompts.messages[0].caption, kApplicationName);
    QCOMPARE(shown.prompts.messages[0].icon, PromptIcon::Exclamation);
    QVERIFY(shown.dialog.isVisible());
}

QTEST_MAIN(KelvaneDialogTest)
#include "KelvaneDialogTest.moc"
