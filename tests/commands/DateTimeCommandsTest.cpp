#include "EditorFixture.h"
#include "commands/DateTimeCommands.h"
#include "platform/rtl/FormatDateTime.h"

#include <QTextTable>

namespace {

const QDateTime morning(QDate(2024, 3, 5), QTime(9, 5, 3));

QDateTime fixedMorning()
{
    return morning;
}

/// "09:05:03" with the regional time separator.
QString morningTime()
{
    const QString separator = rtl::timeSeparator(QLocale::system());
    return QStringLiteral("09") + separator + QStringLiteral("05") + separator + QStringLiteral("03");
}

using DateTimeCommandsTest = EditorFixture;

TEST_F(DateTimeCommandsTest, DatumInsertsDayMonthYearAtTheCaret)
{
    setText(QStringLiteral("Dne  psáno"));
    select(4, 4);
    commands::bVlozitDatumClick(editor, fixedMorning);
    EXPECT_EQ(text(), QStringLiteral("Dne 05.03.2024 psáno"));
}

TEST_F(DateTimeCommandsTest, CasInsertsTheTimeWithLeadingZeros)
{
    setText(QString());
    commands::bVlozitCasClick(editor, fixedMorning);
    EXPECT_EQ(text(), morningTime());
}

TEST_F(DateTimeCommandsTest, DatumLeavesTheSelectedWordInTheDocument)
{
    setText(QStringLiteral("today"));
    select(0, 5);
    commands::bVlozitDatumClick(editor, fixedMorning);
    EXPECT_EQ(text(), QStringLiteral("today05.03.2024"));
    EXPECT_EQ(selectedText(), QStringLiteral("today"));
}

TEST_F(DateTimeCommandsTest, DatumGoesIntoTheTableCellThatHoldsTheCaret)
{
    setText(QStringLiteral("before"));
    QTextCursor cursor(&story());
    cursor.movePosition(QTextCursor::End);
    QTextTable *table = cursor.insertTable(2, 2);
    editor.setTextCursor(table->cellAt(1, 0).firstCursorPosition());

    commands::bVlozitDatumClick(editor, fixedMorning);

    const QTextTableCell cell = table->cellAt(1, 0);
    QTextCursor content = cell.firstCursorPosition();
    content.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    EXPECT_EQ(content.selectedText(), QStringLiteral("05.03.2024"));
    EXPECT_TRUE(table->cellAt(0, 0).firstCursorPosition() == table->cellAt(0, 0).lastCursorPosition());
}

TEST_F(DateTimeCommandsTest, EachClickReadsTheClockAgain)
{
    setText(QString());
    QDateTime now = morning;
    const commands::Clock clock = [&] { return now; };
    commands::bVlozitDatumClick(editor, clock);
    now = now.addDays(1);
    commands::bVlozitDatumClick(editor, clock);
    EXPECT_EQ(text(), QStringLiteral("05.03.202406.03.2024"));
}

} // namespace
