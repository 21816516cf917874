#include "CommandsFixture.h"

#include "platform/richedit/layout/PageGeometry.h"
#include "platform/richedit/view/Rulers.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>

using namespace richedit;

namespace {

class ViewsTest : public CommandsTest {
protected:
    void SetUp() override
    {
        control.resize(900, 700);
        control.show();
        QApplication::processEvents();
    }
};

TEST_F(ViewsTest, SwitchingViewsKeepsTextCaretAndUndoAndPressesOneButton)
{
    QString text;
    for (int i = 0; i < 80; ++i)
        text += QStringLiteral("Paragraph %1 with enough words to wrap a line or two in a narrow window.\n").arg(i);
    story().setPlainText(text);
    control.updatePageSetup(); // setPlainText resets the page margins
    QTextCursor edit(&story());
    edit.insertText(QStringLiteral("undoable "));
    select(500, 510);
    story().setModified(false);
    const char *const views[] = {"SwitchToSimpleView", "SwitchToDraftView", "SwitchToPrintLayoutView"};
    const ViewMode modes[] = {ViewMode::Simple, ViewMode::Draft, ViewMode::PrintLayout};
    EXPECT_TRUE(commands.isChecked("SwitchToPrintLayoutView"));
    ASSERT_TRUE(story().isUndoAvailable());
    for (int i = 0; i < 3; ++i) {
        commands.execute(views[i]);
        EXPECT_EQ(control.viewMode(), modes[i]);
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(commands.isChecked(views[j]), i == j) << views[i];
        EXPECT_EQ(story().toPlainText(), QStringLiteral("undoable ") + text);
        EXPECT_EQ(control.textCursor().selectionStart(), 500);
        EXPECT_EQ(control.textCursor().selectionEnd(), 510);
        EXPECT_FALSE(control.DocumentModelModified());
        EXPECT_TRUE(story().isUndoAvailable()) << views[i];
    }
}

TEST_F(ViewsTest, DraftShowsOneSheetOfTheTextWidthAndSimpleFollowsTheWindow)
{
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("line %1\n").arg(i);
    setText(text);
    control.updatePageSetup(); // setPlainText resets the page margins
    const QRectF printText = control.pageGeometry().textArea(0);
    ASSERT_GT(control.pageGeometry().pageCount(), 1);

    commands.execute("SwitchToDraftView");
    EXPECT_EQ(control.pageGeometry().pageCount(), 1);
    EXPECT_DOUBLE_EQ(control.pageGeometry().textArea(0).width(), printText.width());
    EXPECT_GT(control.pageGeometry().textArea(0).height(), 2 * printText.height());

    commands.execute("SwitchToSimpleView");
    const qreal wide = control.pageGeometry().textArea(0).width();
    control.resize(500, 700);
    QApplication::processEvents();
    const qreal narrow = control.pageGeometry().textArea(0).width();
    EXPECT_LT(narrow, wide - 200);
    // The sheet fits the window: no horizontal scrolling.
    EXPECT_FALSE(control.horizontalScrollBar()->isVisible() && control.horizontalScrollBar()->maximum() > 0);

    commands.execute("SwitchToPrintLayoutView");
    EXPECT_EQ(control.pageGeometry().textArea(0), printText);
}

TEST_F(ViewsTest, RulersAreToggledAndShowMarginsIndentsAndTabs)
{
    setText(QStringLiteral("indented"));
    QTextCursor cursor(&story());
    QTextBlockFormat format;
    format.setLeftMargin(48);
    format.setTextIndent(-24);
    format.setRightMargin(96);
    format.setTabPositions({QTextOption::Tab(144, QTextOption::LeftTab)});
    cursor.setBlockFormat(format);
    select(1, 1);

    EXPECT_FALSE(commands.isChecked("ToggleShowHorizontalRuler"));
    commands.execute("ToggleShowHorizontalRuler");
    commands.execute("ToggleShowVerticalRuler");
    QApplication::processEvents();
    EXPECT_TRUE(commands.isChecked("ToggleShowHorizontalRuler"));
    EXPECT_TRUE(commands.isChecked("ToggleShowVerticalRuler"));
    Rulers &rulers = Rulers::of(control);
    EXPECT_TRUE(rulers.horizontal().isVisible());
    EXPECT_EQ(rulers.horizontal().height(), RulerBar::thickness);
    EXPECT_EQ(control.viewport()->geometry().top(), RulerBar::thickness);
    EXPECT_EQ(control.viewport()->geometry().left(), RulerBar::thickness);

    const QRectF text = control.pageGeometry().textArea(0);
    const HorizontalMarks marks = horizontalMarks(control);
    EXPECT_DOUBLE_EQ(marks.textLeft, text.left());
    EXPECT_DOUBLE_EQ(marks.left, text.left() + 48);
    EXPECT_DOUBLE_EQ(marks.firstLine, text.left() + 24);
    EXPECT_DOUBLE_EQ(marks.right, text.right() - 96);
    ASSERT_EQ(marks.tabs.size(), 1u);
    EXPECT_DOUBLE_EQ(marks.tabs.front(), text.left() + 144);
    const VerticalMarks vertical = verticalMarks(control);
    EXPECT_DOUBLE_EQ(vertical.textTop, text.top());
    EXPECT_DOUBLE_EQ(vertical.pageTop, control.pageGeometry().pageRect(0).top());

    commands.execute("ToggleShowHorizontalRuler");
    commands.execute("ToggleShowVerticalRuler");
    QApplication::processEvents();
    EXPECT_FALSE(rulers.horizontal().isVisible());
    EXPECT_EQ(control.viewport()->geometry().top(), 0);
}

} // namespace
