#pragma once

// Checking the message box a window showed: a routine's run-time error, or
// another box of the program.

#include "ui/MsgBox.h"

#include <QTest>

namespace support {

// The one box shown is the routine's error of that number: critical, titled
// "Error in Routine <routine>", its text "N => description".
inline void expectRoutineError(const ui::MsgBoxRecorder& boxes, const QString& routine, int number)
{
    QCOMPARE(boxes.calls.size(), 1);
    const ui::MsgBoxCall& box = boxes.calls.front();
    QCOMPARE(box.title, QStringLiteral("Error in Routine <%1>").arg(routine));
    QVERIFY2(box.text.startsWith(QStringLiteral("%1 => ").arg(number)), qPrintable(box.text));
    QCOMPARE(box.icon, ui::MsgIcon::Critical);
}

// The one box shown: its title, text and icon.
inline void expectBox(const ui::MsgBoxRecorder& boxes, const QString& title, const QString& text, ui::MsgIcon icon)
{
    QCOMPARE(boxes.calls.size(), 1);
    QCOMPARE(boxes.calls.front().title, title);
    QCOMPARE(boxes.calls.front().text, text);
    QCOMPARE(boxes.calls.front().icon, icon);
}

}  // namespace support
