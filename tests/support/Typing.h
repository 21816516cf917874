#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

/// Types text into a widget as key events, accented letters included (QTest::keyClicks
/// takes ASCII only).
inline void typeText(QWidget *target, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}
