#include "CommandsFixture.h"

#include "platform/richedit/commands/EditingCommands.h"

#include <QTextTable>

using namespace richedit;

namespace {

class TableTest : public CommandsTest {
protected:
    /// "x" followed by a 3 × 3 table whose cells hold "r,c", the caret in the middle cell.
    void SetUp() override
    {
        setText(QStringLiteral("x"));
        select(1, 1);
        editing::insertTable(control, 3, 3);
        table = control.textCursor().currentTable();
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                table->cellAt(r, c).firstCursorPosition().insertText(QStringLiteral("%1,%2").arg(r).arg(c));
        story().clearUndoRedoStacks();
        control.setTextCursor(table->cellAt(1, 1).firstCursorPosition());
    }

    QString cellText(int row, int column)
    {
        const QTextTableCell cell = table->cellAt(row, column);
        QTextCursor cursor = cell.firstCursorPosition();
        cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
        return cursor.selectedText();
    }

    QTextTable *table = nullptr;
};

} // namespace

TEST_F(TableTest, RowsAndColumnsGoInBesideTheCaretsCellInOneUndoStep)
{
    const struct {
        const char *command;
        int rows;
        int columns;
        int row;    // where "1,1" is afterwards
        int column;
    } cases[] = {
        {"InsertTableRowAbove", 4, 3, 2, 1},
        {"InsertTableRowBelow", 4, 3, 1, 1},
        {"InsertTableColumnToTheLeft", 3, 4, 1, 2},
        {"InsertTableColumnToTheRight", 3, 4, 1, 1},
    };
    for (const auto &c : cases) {
        control.setTextCursor(table->cellAt(1, 1).firstCursorPosition());
        commands.execute(c.command);
        EXPECT_EQ(table->rows(), c.rows) << c.command;
        EXPECT_EQ(table->columns(), c.columns) << c.command;
        EXPECT_EQ(cellText(c.row, c.column), QStringLiteral("1,1")) << c.command;
        EXPECT_EQ(table->format().columnWidthConstraints().size(), table->columns()) << c.command;
        story().undo();
        EXPECT_EQ(table->rows(), 3) << c.command;
        EXPECT_EQ(table->columns(), 3) << c.command;
    }
}

TEST_F(TableTest, DeletingRowsColumnsAndTheTable)
{
    commands.execute(u"DeleteTableRows");
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(cellText(1, 1), QStringLiteral("2,1"));
    control.setTextCursor(table->cellAt(0, 0).firstCursorPosition());
    commands.execute(u"DeleteTableColumns");
    EXPECT_EQ(table->columns(), 2);
    EXPECT_EQ(cellText(0, 0), QStringLiteral("0,1"));
    story().undo();
    story().undo();
    EXPECT_EQ(table->rows(), 3);
    EXPECT_EQ(table->columns(), 3);

    commands.execute(u"DeleteTable");
    EXPECT_EQ(story().toPlainText().trimmed(), QStringLiteral("x"));
    select(0, 0);
    EXPECT_FALSE(commands.isEnabled(u"DeleteTable")) << "outside a table";
    EXPECT_FALSE(commands.isEnabled(u"InsertTableRowAbove"));
}

TEST_F(TableTest, MergeNeedsSeveralSelectedCells)
{
    EXPECT_FALSE(commands.isEnabled(u"MergeTableCells"));
    QTextCursor cursor = table->cellAt(0, 0).firstCursorPosition();
    cursor.setPosition(table->cellAt(0, 1).firstPosition(), QTextCursor::KeepAnchor);
    control.setTextCursor(cursor);
    ASSERT_TRUE(commands.isEnabled(u"MergeTableCells"));
    commands.execute(u"MergeTableCells");
    EXPECT_EQ(table->cellAt(0, 0).columnSpan(), 2);
    story().undo();
    EXPECT_EQ(table->cellAt(0, 0).columnSpan(), 1);
}

TEST_F(TableTest, CellAlignmentsPlaceTheTextAndExactlyOneIsPressed)
{
    const struct {
        const char *command;
        QTextCharFormat::VerticalAlignment vertical;
        Qt::Alignment horizontal;
    } cases[] = {
        {"ToggleTableCellsTopLeftAlignment", QTextCharFormat::AlignTop, Qt::AlignLeft},
        {"ToggleTableCellsMiddleLeftAlignment", QTextCharFormat::AlignMiddle, Qt::AlignLeft},
        {"ToggleTableCellsBottomLeftAlignment", QTextCharFormat::AlignBottom, Qt::AlignLeft},
        {"ToggleTableCellsTopCenterAlignment", QTextCharFormat::AlignTop, Qt::AlignHCenter},
        {"ToggleTableCellsMiddleCenterAlignment", QTextCharFormat::AlignMiddle, Qt::AlignHCenter},
        {"ToggleTableCellsBottomCenterAlignment", QTextCharFormat::AlignBottom, Qt::AlignHCenter},
        {"ToggleTableCellsTopRightAlignment", QTextCharFormat::AlignTop, Qt::AlignRight},
        {"ToggleTableCellsMiddleRightAlignment", QTextCharFormat::AlignMiddle, Qt::AlignRight},
        {"ToggleTableCellsBottomRightAlignment", QTextCharFormat::AlignBottom, Qt::AlignRight},
    };
    EXPECT_TRUE(commands.isChecked(u"ToggleTableCellsTopLeftAlignment")) << "a new cell";
    for (const auto &c : cases) {
        // Two cells of the middle row selected.
        QTextCursor cursor = table->cellAt(1, 0).firstCursorPosition();
        cursor.setPosition(table->cellAt(1, 1).firstPosition(), QTextCursor::KeepAnchor);
        control.setTextCursor(cursor);
        commands.execute(c.command);
        for (int column : {0, 1}) {
            const QTextTableCell cell = table->cellAt(1, column);
            EXPECT_EQ(cell.format().verticalAlignment(), c.vertical) << c.command;
            EXPECT_EQ(story().findBlock(cell.firstPosition()).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                      c.horizontal)
                << c.command;
        }
        EXPECT_EQ(table->cellAt(1, 2).format().verticalAlignment(), QTextCharFormat::AlignNormal)
            << "the third cell is not selected";
        control.setTextCursor(table->cellAt(1, 1).firstCursorPosition());
        for (const auto &other : cases)
            EXPECT_EQ(commands.isChecked(other.command), &other == &c) << c.command << " / " << other.command;
    }
    story().undo();
    control.setTextCursor(table->cellAt(1, 1).firstCursorPosition());
    EXPECT_TRUE(commands.isChecked(u"ToggleTableCellsMiddleRightAlignment")) << "one undo step per alignment";
}

TEST_F(TableTest, BorderCommandsToggleTheEdgesOfTheSelectedCells)
{
    // The top-left 2 x 2 cells selected.
    QTextCursor cursor = table->cellAt(0, 0).firstCursorPosition();
    cursor.setPosition(table->cellAt(1, 1).firstPosition(), QTextCursor::KeepAnchor);
    control.setTextCursor(cursor);
    const auto width = [this](int row, int column, QTextFormat::Property edge) {
        const QTextTableCellFormat f = table->cellAt(row, column).format().toTableCellFormat();
        return f.hasProperty(edge) ? f.doubleProperty(edge) : -1.0; // -1: the table's own border
    };
    EXPECT_TRUE(commands.isChecked(u"ToggleTableCellsAllBorders")) << "a new table has all its borders";
    commands.execute(u"ResetTableCellsBorders");
    EXPECT_TRUE(commands.isChecked(u"ResetTableCellsBorders"));
    EXPECT_FALSE(commands.isChecked(u"ToggleTableCellsBottomBorder"));
    EXPECT_EQ(width(0, 0, QTextFormat::TableCellRightBorder), 0);
    EXPECT_EQ(width(2, 2, QTextFormat::TableCellTopBorder), -1) << "cells outside the selection keep theirs";

    commands.execute(u"ToggleTableCellsBottomBorder");
    EXPECT_GT(width(1, 0, QTextFormat::TableCellBottomBorder), 0);
    EXPECT_GT(width(1, 1, QTextFormat::TableCellBottomBorder), 0);
    EXPECT_EQ(width(0, 0, QTextFormat::TableCellBottomBorder), 0) << "only the bottom edge of the selection";
    EXPECT_TRUE(commands.isChecked(u"ToggleTableCellsBottomBorder"));
    EXPECT_FALSE(commands.isChecked(u"ToggleTableCellsOutsideBorder"));

    commands.execute(u"ToggleTableCellsInsideVerticalBorder");
    EXPECT_GT(width(0, 0, QTextFormat::TableCellRightBorder), 0);
    EXPECT_GT(width(0, 1, QTextFormat::TableCellLeftBorder), 0);
    EXPECT_EQ(width(0, 0, QTextFormat::TableCellLeftBorder), 0);
    commands.execute(u"ToggleTableCellsInsideVerticalBorder"); // and off again
    EXPECT_EQ(width(0, 0, QTextFormat::TableCellRightBorder), 0);

    commands.execute(u"ToggleTableCellsOutsideBorder");
    EXPECT_TRUE(commands.isChecked(u"ToggleTableCellsOutsideBorder"));
    EXPECT_TRUE(commands.isChecked(u"ToggleTableCellsTopBorder"));
    EXPECT_FALSE(commands.isChecked(u"ToggleTableCellsInsideBorder"));
    story().undo();
    EXPECT_FALSE(commands.isChecked(u"ToggleTableCellsOutsideBorder")) << "one undo step";
}

TEST_F(TableTest, AutoFitSetsTheColumnWidthsInOneUndoStep)
{
    const auto types = [this] {
        QList<QTextLength::Type> list;
        for (const QTextLength &l : table->format().columnWidthConstraints())
            list << l.type();
        return list;
    };
    commands.execute(u"ToggleTableFixedColumnWidth");
    EXPECT_EQ(types(), QList<QTextLength::Type>(3, QTextLength::FixedLength));
    const qreal first = table->format().columnWidthConstraints().at(0).rawValue();
    EXPECT_GT(first, 0);
    commands.execute(u"ToggleTableAutoFitContents");
    EXPECT_EQ(types(), QList<QTextLength::Type>(3, QTextLength::VariableLength));
    commands.execute(u"ToggleTableAutoFitWindow");
    EXPECT_EQ(types(), QList<QTextLength::Type>(3, QTextLength::PercentageLength));
    EXPECT_EQ(table->format().width().type(), QTextLength::PercentageLength);
    story().undo();
    EXPECT_EQ(types(), QList<QTextLength::Type>(3, QTextLength::VariableLength));
}
