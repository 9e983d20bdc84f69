#pragma once

#include <QString>
#include <QtTest>

// Types text key by key like QTest::keyClicks, beyond Latin-1 too (as an input
// method would deliver it).
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const Qt::Key key = c.unicode() < 0x80 ? Qt::Key(QChar(c).toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}
