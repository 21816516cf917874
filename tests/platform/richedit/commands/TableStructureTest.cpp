#include "CommandsFixture.h"

#include "platform/richedit/commands/EditingCommands.h"
#include "platform/richedit/commands/TableCommands.h"
#include "platform/richedit/commands/TableGridLines.h"

#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/model/Document.h"
#include "platform/richedit/model/TextFormats.h"

#include <QBuffer>
#include <QTextFrame>
#include <QTextTable>

using namespace richedit;

namespace {

/// What the main story holds at its top level: "T<rows>x<columns>" for a table, the text of a
/// paragraph otherwise.
QStringList outline(QTextDocument &document)
{
    QStringList items;
    QTextFrame *root = document.rootFrame();
    for (QTextFrame::iterator it = root->begin(); !it.atEnd(); ++it) {
        if (auto *t = qobject_cast<QTextTable *>(it.currentFrame()))
            items << QStringLiteral("T%1x%2").arg(t->rows()).arg(t->columns());
        else if (!it.currentFrame())
            items << it.currentBlock().text();
    }
    return items;
}

class TableStructureTest : public CommandsTest {
protected:
    /// "x", a rows × columns table whose cells hold "r,c", and "y"; the caret in cell (1, 1).
    void makeTable(int rows, int columns)
    {
        setText(QStringLiteral("x\ny"));
        select(1, 1);
        editing::insertTable(control, columns, rows);
        table = control.textCursor().currentTable();
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                table->cellAt(r, c).firstCursorPosition().insertText(QStringLiteral("%1,%2").arg(r).arg(c));
        story().clearUndoRedoStacks();
        story().setModified(false);
        control.setTextCursor(table->cellAt(1, 1).firstCursorPosition());
    }

    static QString text(QTextTable *t, int row, int column)
    {
        const QTextTableCell cell = t->cellAt(row, column);
        QTextCursor cursor = cell.firstCursorPosition();
        cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
        return cursor.selectedText();
    }

    void deleteCellsAt(CellShift shift)
    {
        editorDialogs.deleteShifts.push_back(shift);
        commands.execute(u"ShowDeleteTableCellsForm");
    }

    QTextTable *table = nullptr;
};

} // namespace

TEST_F(TableStructureTest, SplitTableMovesTheCaretsRowAndTheRowsBelowIntoANewTable)
{
    makeTable(3, 2);
    commands.execute(u"SplitTable");
    EXPECT_EQ(outline(story()), (QStringList{"x", "T1x2", "", "T2x2", "", "y"}));
    QTextTable *second = control.textCursor().currentTable();
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second, table);
    EXPECT_EQ(text(second, 0, 0), "1,0");
    EXPECT_EQ(text(second, 1, 1), "2,1");
    EXPECT_EQ(text(table, 0, 1), "0,1");
    EXPECT_TRUE(control.DocumentModelModified());
    story().undo();
    EXPECT_EQ(outline(story()), (QStringList{"x", "T3x2", "", "y"}));
}

TEST_F(TableStructureTest, SplitTableInTheFirstRowMakesRoomAboveTheTable)
{
    makeTable(3, 2);
    control.setTextCursor(table->cellAt(0, 1).firstCursorPosition());
    commands.execute(u"SplitTable");
    EXPECT_EQ(outline(story()), (QStringList{"x", "", "T3x2", "", "y"}));
    EXPECT_EQ(control.textCursor().currentTable(), nullptr);
}

TEST_F(TableStructureTest, SplitTableCutsACellMergedAcrossTheSplit)
{
    makeTable(3, 2);
    table->mergeCells(0, 0, 3, 1); // column 0 is one cell, "0,0"
    story().clearUndoRedoStacks();
    control.setTextCursor(table->cellAt(1, 1).firstCursorPosition());
    commands.execute(u"SplitTable");
    QTextTable *second = control.textCursor().currentTable();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(table->rows(), 1);
    EXPECT_EQ(second->rows(), 2);
    EXPECT_EQ(second->cellAt(0, 0).rowSpan(), 2);
    EXPECT_EQ(text(second, 0, 1), "1,1");
}

TEST_F(TableStructureTest, SplitCellsGivesTheGridAndKeepsTheOtherRowsWhole)
{
    const struct {
        int columns, rows;       // asked for
        int tableRows, tableColumns;
        int spanOfRow0Cell1;     // columns the cell above the split one spans afterwards
        int rowSpanOfCell10;     // rows the cell left of the split one spans afterwards
    } cases[] = {
        {2, 1, 3, 4, 2, 1},
        {1, 2, 4, 3, 1, 2},
        {3, 2, 4, 5, 3, 2},
        {1, 1, 3, 3, 1, 1},
    };
    for (const auto &c : cases) {
        makeTable(3, 3);
        editorDialogs.splitSizes.push_back(QSize(c.columns, c.rows));
        commands.execute(u"ShowSplitTableCellsForm");
        const QString name = QStringLiteral("%1x%2").arg(c.columns).arg(c.rows);
        EXPECT_EQ(table->rows(), c.tableRows) << name.toStdString();
        EXPECT_EQ(table->columns(), c.tableColumns) << name.toStdString();
        EXPECT_EQ(table->cellAt(0, 1).columnSpan(), c.spanOfRow0Cell1) << name.toStdString();
        EXPECT_EQ(table->cellAt(1, 0).rowSpan(), c.rowSpanOfCell10) << name.toStdString();
        EXPECT_EQ(text(table, 1, 1), "1,1") << name.toStdString();
        for (int i = 0; i < c.rows; ++i)
            for (int j = 0; j < c.columns; ++j) {
                const QTextTableCell cell = table->cellAt(1 + i, 1 + j);
                EXPECT_EQ(cell.row(), 1 + i) << name.toStdString();
                EXPECT_EQ(cell.column(), 1 + j) << name.toStdString();
            }
        story().undo();
        EXPECT_EQ(table->rows(), 3) << name.toStdString();
        EXPECT_EQ(table->columns(), 3) << name.toStdString();
    }
}

TEST_F(TableStructureTest, SplitCellsMergesTheSelectionFirst)
{
    makeTable(3, 3);
    QTextCursor cells(&story());
    cells.setPosition(table->cellAt(0, 0).firstPosition());
    cells.setPosition(table->cellAt(1, 1).firstPosition(), QTextCursor::KeepAnchor);
    control.setTextCursor(cells);
    editorDialogs.splitSizes.push_back(QSize(2, 1));
    commands.execute(u"ShowSplitTableCellsForm");
    EXPECT_EQ(table->rows(), 3);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(table->cellAt(0, 0).rowSpan(), 2);
    EXPECT_EQ(table->cellAt(0, 1).rowSpan(), 2);
    EXPECT_TRUE(text(table, 0, 0).startsWith("0,0"));
    EXPECT_TRUE(text(table, 0, 1).isEmpty());
}

TEST_F(TableStructureTest, InsertAndDeleteCellsShiftTheirNeighbours)
{
    const struct {
        const char *command;
        CellShift shift;
        int rows, columns;
        int row, column; // where "1,1" is afterwards, or -1 when it is gone
        const char *atCaret; // the text of cell (1, 1) afterwards
    } cases[] = {
        {"ShowInsertTableCellsForm", CellShift::Horizontally, 3, 4, 1, 2, ""},
        {"ShowInsertTableCellsForm", CellShift::Vertically, 4, 3, 2, 1, ""},
        {"ShowInsertTableCellsForm", CellShift::WholeRow, 4, 3, 2, 1, ""},
        {"ShowInsertTableCellsForm", CellShift::WholeColumn, 3, 4, 1, 2, ""},
        {"ShowDeleteTableCellsForm", CellShift::Horizontally, 3, 3, -1, -1, "1,2"},
        {"ShowDeleteTableCellsForm", CellShift::Vertically, 3, 3, -1, -1, "2,1"},
        {"ShowDeleteTableCellsForm", CellShift::WholeRow, 2, 3, -1, -1, "2,1"},
        {"ShowDeleteTableCellsForm", CellShift::WholeColumn, 3, 2, -1, -1, "1,2"},
    };
    for (const auto &c : cases) {
        makeTable(3, 3);
        (QLatin1StringView(c.command).contains(QLatin1StringView("Insert")) ? editorDialogs.insertShifts
                                                                         : editorDialogs.deleteShifts)
            .push_back(c.shift);
        commands.execute(QLatin1StringView(c.command));
        const std::string name = std::string(c.command) + " " + std::to_string(int(c.shift));
        EXPECT_EQ(table->rows(), c.rows) << name;
        EXPECT_EQ(table->columns(), c.columns) << name;
        if (c.row >= 0) {
            EXPECT_EQ(text(table, c.row, c.column), "1,1") << name;
        }
        EXPECT_EQ(text(table, 1, 1), QString::fromLatin1(c.atCaret)) << name;
        // Cells outside the shifted line stay where they were.
        EXPECT_EQ(text(table, 0, 0), "0,0") << name;
        story().undo();
        EXPECT_EQ(text(table, 1, 1), "1,1") << name;
        EXPECT_EQ(table->rows() * table->columns(), 9) << name;
    }
}

TEST_F(TableStructureTest, DeletingTheLastCellsOfARowLeavesThemEmpty)
{
    makeTable(2, 3);
    control.setTextCursor(table->cellAt(1, 2).firstCursorPosition());
    deleteCellsAt(CellShift::Horizontally);
    EXPECT_EQ(table->columns(), 3) << "the other row still fills the column";
    EXPECT_TRUE(text(table, 1, 2).isEmpty());
    EXPECT_EQ(text(table, 1, 1), "1,1");
}

TEST_F(TableStructureTest, TableCommandsNeedATable)
{
    makeTable(2, 2);
    select(0, 0);
    for (const char *name : {"SplitTable", "ShowSplitTableCellsForm", "ShowInsertTableCellsForm",
                             "ShowDeleteTableCellsForm", "ShowTablePropertiesForm", "TableStylesGallery"})
        EXPECT_FALSE(commands.isEnabled(QLatin1StringView(name))) << name;
}

namespace {

std::unique_ptr<Document> roundTripDocx(const Document &document)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    writeDocument(document, file, DocumentFormat::OpenXml);
    return readDocument(file.data(), DocumentFormat::OpenXml, QStringLiteral("test.docx"));
}

QTextTable *firstTable(QTextDocument *story)
{
    for (QTextFrame *frame : story->rootFrame()->childFrames())
        if (auto *table = qobject_cast<QTextTable *>(frame))
            return table;
    return nullptr;
}

} // namespace

TEST_F(TableStructureTest, PropertiesApplyToTheSelectedCellsAndSurviveDocx)
{
    makeTable(2, 3);
    TableProperties chosen = table::tableProperties(control.textCursor());
    chosen.width = QTextLength(QTextLength::PercentageLength, 80);
    chosen.alignment = Qt::AlignHCenter;
    chosen.columnWidth = 144; // 1.5 inch
    chosen.cellAlignment = QTextCharFormat::AlignBottom;
    chosen.marginLeft = 10;
    chosen.borders = true;
    chosen.borderWidth = 1.5;
    chosen.borderColor = QColor(0x20, 0x40, 0x80);
    chosen.shading = QColor(0xFF, 0xEE, 0xCC);
    editorDialogs.tableProperties.push_back(chosen);
    commands.execute(u"ShowTablePropertiesForm");
    ASSERT_EQ(editorDialogs.tablePropertiesShown.size(), 1u);

    EXPECT_EQ(table::tableProperties(control.textCursor()), chosen) << "the dialog shows again what it set";
    control.setTextCursor(table->cellAt(0, 0).firstCursorPosition());
    EXPECT_FALSE(table::tableProperties(control.textCursor()).shading.isValid()) << "other cells keep theirs";

    const std::unique_ptr<Document> read = roundTripDocx(control.document());
    QTextTable *readTable = firstTable(read->mainStory());
    ASSERT_NE(readTable, nullptr);
    const QTextTableCellFormat cell = readTable->cellAt(1, 1).format().toTableCellFormat();
    EXPECT_EQ(cell.verticalAlignment(), QTextCharFormat::AlignBottom);
    EXPECT_EQ(cell.background().color(), chosen.shading);
    const std::optional<BorderLine> line = borderLine(cell, prop::TableBorderTop);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->width, 12);
    EXPECT_EQ(line->color, chosen.borderColor);
    EXPECT_NEAR(readTable->format().columnWidthConstraints().value(1).rawValue(), 144, 0.1);

    story().undo();
    control.setTextCursor(table->cellAt(1, 1).firstCursorPosition());
    EXPECT_FALSE(table::tableProperties(control.textCursor()).shading.isValid()) << "one undo step";
}

TEST_F(TableStructureTest, TableStylesSetTheirNameLinesAndShading)
{
    const struct {
        const char *id;
        bool innerLine;   // between cells (1,0) and (1,1)
        bool outerLine;   // left of cell (1,0)
        bool headerBold;
        bool bandedRow1;
    } cases[] = {
        {"TableGrid", true, true, false, false},
        {"PlainTable", false, false, false, false},
        {"LightShading", false, false, true, true},
        {"LightList", false, true, true, false},
        {"MediumShading1", true, true, true, true},
    };
    makeTable(3, 2);
    for (const auto &c : cases) {
        commands.execute(u"TableStylesGallery", QString::fromLatin1(c.id));
        EXPECT_EQ(table->format().stringProperty(prop::TableStyleId), c.id);
        const auto on = [&](int row, int column, int property) {
            const auto line = borderLine(table->cellAt(row, column).format(), property);
            return line && line->width > 0 && line->style != "nil";
        };
        EXPECT_EQ(on(1, 0, prop::TableBorderRight), c.innerLine) << c.id;
        EXPECT_EQ(on(1, 0, prop::TableBorderLeft), c.outerLine) << c.id;
        QTextCursor header = table->cellAt(0, 0).firstCursorPosition();
        header.movePosition(QTextCursor::NextCharacter);
        EXPECT_EQ(header.charFormat().fontWeight() == QFont::Bold, c.headerBold) << c.id;
        EXPECT_EQ(table->cellAt(1, 0).format().background().style() != Qt::NoBrush, c.bandedRow1) << c.id;
    }
    const std::unique_ptr<Document> read = roundTripDocx(control.document());
    QTextTable *readTable = firstTable(read->mainStory());
    ASSERT_NE(readTable, nullptr);
    EXPECT_EQ(readTable->format().stringProperty(prop::TableStyleId), "MediumShading1");
    ASSERT_NE(read->styles().find("MediumShading1"), nullptr);

    editorDialogs.tableStyles.push_back(QStringLiteral("TableGrid"));
    commands.execute(u"TableStylesGallery");
    EXPECT_EQ(table->format().stringProperty(prop::TableStyleId), "TableGrid");
}

TEST_F(TableStructureTest, GridLinesAreAViewSettingAndFollowTheCells)
{
    makeTable(2, 3);
    QTextTableFormat borderless = table->format();
    borderless.setBorder(0);
    table->setFormat(borderless);
    story().clearUndoRedoStacks();
    story().setModified(false);
    EXPECT_FALSE(commands.isChecked(u"ToggleShowTableGridLines"));
    commands.execute(u"ToggleShowTableGridLines");
    EXPECT_TRUE(commands.isChecked(u"ToggleShowTableGridLines"));
    EXPECT_FALSE(control.DocumentModelModified());
    EXPECT_FALSE(story().isUndoAvailable());

    story().setTextWidth(600);
    const std::vector<QRectF> cells = table::cellRectangles(table);
    ASSERT_EQ(cells.size(), 6u);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            const QRectF &cell = cells[std::size_t(r * 3 + c)];
            EXPECT_GT(cell.width(), 0) << r << c;
            EXPECT_GT(cell.height(), 0) << r << c;
            if (c > 0) {
                EXPECT_DOUBLE_EQ(cell.left(), cells[std::size_t(r * 3 + c - 1)].right()) << r << c;
            }
            if (r > 0) {
                EXPECT_DOUBLE_EQ(cell.top(), cells[std::size_t(c)].bottom()) << r << c;
            }
        }
    commands.execute(u"ToggleShowTableGridLines");
    EXPECT_FALSE(commands.isChecked(u"ToggleShowTableGridLines"));
}
