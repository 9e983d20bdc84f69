#include <QLineEdit>
#include <QtTest>

#include "CKelvaneApp.h"
#include "CKelvaneDlg.h"
#include "ModalAnswer.h"
#include "ReleaseFailureReporter.h"
#include "ScriptedPrompts.h"

Q_DECLARE_METATYPE(PromptIcon)

class KelvaneAppTest : public QObject {
    Q_OBJECT

private slots:
    void runsTheDialogAndEndsWithIt_data();
    void runsTheDialogAndEndsWithIt();
    void releaseFailureIsShown();
};

void KelvaneAppTest::runsTheDialogAndEndsWithIt_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter on Exit") << int(Qt::Key_Return);
}

void KelvaneAppTest::runsTheDialogAndEndsWithIt()
{
    QFETCH(int, key);

    ScriptedPrompts prompts;
    CKelvaneApp app(prompts);
    bool answered = false;
    bool wasMainWindow = false;
    QString title;
    answerModal<CKelvaneDlg>(
        [&](CKelvaneDlg* dialog) {
            wasMainWindow = app.mainWindow() == dialog;
            title = dialog->windowTitle();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        },
        &answered);

    QCOMPARE(app.start(), 0);
    QVERIFY(answered);
    QVERIFY(wasMainWindow);
    QCOMPARE(title, QStringLiteral("Kelvane  ver0.01"));
    QCOMPARE(app.mainWindow(), nullptr);
    QCOMPARE(QString::fromStdU16String(app.registryKey()), QStringLiteral("应用程序向导生成的本地应用程序"));
    QVERIFY(prompts.messages.empty());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void KelvaneAppTest::releaseFailureIsShown()
{
    ScriptedPrompts prompts;
    bool answered = false;
    QWidget* dialogSeen = nullptr;
    {
        CKelvaneApp app(prompts);
        answerModal<CKelvaneDlg>(
            [&](CKelvaneDlg* dialog) {
                dialogSeen = dialog;
                kelvane::reportReleaseFailure("src/TextLineWriter.cpp", 97, u"Disk full while accessing /d/p.txt.csv.");
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            },
            &answered);
        QCOMPARE(app.start(), 0);
    }
    QVERIFY(answered);
    QCOMPARE(prompts.messages.size(), std::size_t(1));
    QCOMPARE(prompts.messages[0].text,
        QStringLiteral("Exception thrown in destructor (TextLineWriter.cpp:97)\nDisk full while accessing /d/p.txt.csv."));
    QCOMPARE(prompts.messages[0].caption, QStringLiteral("shell_app_tests"));
    QCOMPARE(prompts.messages[0].icon, PromptIcon::Exclamation);
    QCOMPARE(prompts.messages[0].owner, dialogSeen);

    // Once the application is gone, so is its reporter.
    kelvane::reportReleaseFailure("src/TextLineWriter.cpp", 97, u"after");
    QCOMPARE(prompts.messages.size(), std::size_t(1));
}

QTEST_MAIN(KelvaneAppTest)
#include "KelvaneAppTest.moc"
