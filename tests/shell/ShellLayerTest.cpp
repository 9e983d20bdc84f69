#include <functional>
#include <new>
#include <stdexcept>

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "DataExchange.h"
#include "DialogUnits.h"
#include "FailureReport.h"
#include "FileError.h"
#include "MinimisedIcon.h"
#include "ModalDialog.h"
#include "ScriptedPrompts.h"
#include "TypeText.h"

Q_DECLARE_METATYPE(PromptIcon)
using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

namespace {

const QString kApplicationName = QStringLiteral("shell_layer_tests");

// A dialog with one field and a command button whose handler the test supplies.
class CommandDialog : public ModalDialog {
public:
    explicit CommandDialog(UserPrompts& prompts)
        : ModalDialog(prompts)
    {
        field = new QLineEdit(this);
        command = new QPushButton(QStringLiteral("Run"), this);
        ok = new QPushButton(QStringLiteral("OK"), this);
        connect(command, &QPushButton::clicked, this, [this] { runCommand(handler); });
        connect(ok, &QPushButton::clicked, this, [this] { runCommand([this] { OnOK(); }); });
    }

    void DoDataExchange(DataExchange& exchange) override
    {
        if (exchange.takesIn() && exchangeFails)
            throw std::bad_alloc();
        exchange.text(*field, member);
    }

    QLineEdit* field;
    QPushButton* command;
    QPushButton* ok;
    Thrower handler;
    bool exchangeFails = false;
    std::u16string member = u"from the member";
};

}  // namespace

class ShellLayerTest : public QObject {
    Q_OBJECT

private slots:
    void escapingFailureIsShown_data();
    void escapingFailureIsShown();
    void exchangeMovesWholeText();
    void exitStaysWhenExchangeFails();
    void dialogUnitsToPixels_data();
    void dialogUnitsToPixels();
    void minimisedIconPosition_data();
    void minimisedIconPosition();
};

void ShellLayerTest::escapingFailureIsShown_data()
{
    QTest::addColumn<Thrower>("thrower");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("text");
    QTest::addColumn<PromptIcon>("icon");

    QTest::newRow("file error") << Thrower([] { throw kelvane::FileError(kelvane::FileError::DiskFull, u"/d/p.txt.csv"); })
                                << true << QStringLiteral("Disk full while accessing /d/p.txt.csv.")
                                << PromptIcon::Stop;
    QTest::newRow("file error, other cause")
        << Thrower([] { throw kelvane::FileError(kelvane::FileError::GenericFailure, u"/d/\u5F15.txt"); }) << true
        << QStringLiteral("An unknown error occurred while accessing /d/\u5F15.txt.") << PromptIcon::Stop;
    QTest::newRow("out of memory") << Thrower([] { throw std::bad_alloc(); }) << true
                                   << QStringLiteral("Out of memory.") << PromptIcon::Exclamation;
    QTest::newRow("string too long") << Thrower([] { std::u16string().reserve(std::u16string().max_size() + 1); })
                                     << true << QStringLiteral("Out of memory.") << PromptIcon::Exclamation;
    QTest::newRow("invalid argument") << Thrower([] { throw std::invalid_argument("x"); }) << true
                                      << QStringLiteral("An invalid argument was encountered.") << PromptIcon::Stop;
    QTest::newRow("index out of range") << Thrower([] { (void)std::u16string(u"ab").substr(5); }) << true
                                        << QStringLiteral("An invalid argument was encountered.") << PromptIcon::Stop;
    QTest::newRow("other exception") << Thrower([] { throw std::runtime_error("detail for developers"); }) << true
                                     << QStringLiteral("Internal application error.") << PromptIcon::Stop;
    QTest::newRow("not an exception class") << Thrower([] { throw 42; }) << true
                                            << QStringLiteral("Internal application error.") << PromptIcon::Stop;
    QTest::newRow("silent") << Thrower([] { throw SilentFailure(); }) << false << QString() << PromptIcon::None;
}

void ShellLayerTest::escapingFailureIsShown()
{
    QFETCH(Thrower, thrower);
    QFETCH(bool, shown);
    QFETCH(QString, text);
    QFETCH(PromptIcon, icon);

    ScriptedPrompts prompts;
    CommandDialog dialog(prompts);
    dialog.handler = thrower;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    typeText(dialog.field, QStringLiteral("typed"));

    QTest::mouseClick(dialog.command, Qt::LeftButton);

    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.field->text(), QStringLiteral("typed"));
    QCOMPARE(prompts.messages.size(), std::size_t(shown ? 1 : 0));
    if (shown) {
        QCOMPARE(prompts.messages[0].text, text);
        QCOMPARE(prompts.messages[0].caption, kApplicationName);
        QCOMPARE(prompts.messages[0].icon, icon);
        QCOMPARE(prompts.messages[0].owner, &dialog);
    }
    // Commands still run afterwards.
    dialog.handler = [] {};
    QTest::mouseClick(dialog.command, Qt::LeftButton);
    QCOMPARE(prompts.messages.size(), std::size_t(shown ? 1 : 0));
}

void ShellLayerTest::exchangeMovesWholeText()
{
    ScriptedPrompts prompts;
    CommandDialog dialog(prompts);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // Shown means the member went out to the field.
    QCOMPARE(dialog.field->text(), QStringLiteral("from the member"));

    const QString typed = QStringLiteral("  leading, trailing and \u5B8B\uFF01 ");
    dialog.field->clear();
    typeText(dialog.field, typed);
    QCOMPARE(dialog.member, u"from the member");
    QVERIFY(dialog.UpdateData(true));
    QCOMPARE(QString::fromStdU16String(dialog.member), typed);

    dialog.member = u"back out";
    QVERIFY(dialog.UpdateData(false));
    QCOMPARE(dialog.field->text(), QStringLiteral("back out"));
}

void ShellLayerTest::exitStaysWhenExchangeFails()
{
    ScriptedPrompts prompts;
    CommandDialog dialog(prompts);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.exchangeFails = true;

    QTest::mouseClick(dialog.ok, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompts.messages.size(), std::size_t(1));
    QCOMPARE(prompts.messages[0].text, QStringLiteral("Out of memory."));
    QCOMPARE(prompts.messages[0].caption, kApplicationName);
    QCOMPARE(prompts.messages[0].icon, PromptIcon::Exclamation);

    // Escape takes nothing in, so it still ends the dialog.
    QTest::keyClick(dialog.field, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(prompts.messages.size(), std::size_t(1));
}

void ShellLayerTest::dialogUnitsToPixels_data()
{
    QTest::addColumn<QRect>("units");
    QTest::addColumn<QSize>("base");
    QTest::addColumn<QRect>("pixels");

    QTest::newRow("even base units scale exactly") << QRect(16, 21, 189, 18) << QSize(8, 16) << QRect(32, 42, 378, 36);
    // 185*7/4 = 323.75, 57*14/8 = 99.75, 53*7/4 = 92.75, 19*14/8 = 33.25
    QTest::newRow("fractions round to nearest") << QRect(185, 57, 53, 19) << QSize(7, 14) << QRect(324, 100, 93, 33);
    // 2*6/4 = 3, a half rounds up; 4*12/8 = 6
    QTest::newRow("halves round up") << QRect(1, 4, 2, 4) << QSize(6, 12) << QRect(2, 6, 3, 6);
    QTest::newRow("origin stays") << QRect(0, 0, 253, 90) << QSize(6, 13) << QRect(0, 0, 380, 146);
}

void ShellLayerTest::dialogUnitsToPixels()
{
    QFETCH(QRect, units);
    QFETCH(QSize, base);
    QFETCH(QRect, pixels);
    QCOMPARE(::dialogUnitsToPixels(units, base), pixels);
}

void ShellLayerTest::minimisedIconPosition_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("icon");
    QTest::addColumn<QPoint>("position");

    QTest::newRow("160x30: -1/2 rounds toward zero") << QSize(160, 30) << QSize(32, 32) << QPoint(64, 0);
    QTest::newRow("160x29") << QSize(160, 29) << QSize(32, 32) << QPoint(64, -1);
    QTest::newRow("odd pixel goes right and down") << QSize(101, 51) << QSize(32, 32) << QPoint(35, 10);
    QTest::newRow("icon wider than the client") << QSize(10, 10) << QSize(32, 32) << QPoint(-10, -10);
}

void ShellLayerTest::minimisedIconPosition()
{
    QFETCH(QSize, client);
    QFETCH(QSize, icon);
    QFETCH(QPoint, position);
    QCOMPARE(::minimisedIconPosition(client, icon), position);
}

QTEST_MAIN(ShellLayerTest)
#include "ShellLayerTest.moc"
