#include "MainWindowFixture.h"

#include "platform/ribbon/Ribbon.h"
#include "platform/ribbon/RibbonTab.h"
#include "platform/richedit/commands/EditorCommands.h"

#include <QPrintPreviewDialog>
#include <QTest>
#include <QTextTable>
#include <QTimer>

namespace {

class HeaderFooterTabTest : public MainWindowFixture {
protected:
    ribbon::RibbonTab *headerTab() { return form->ZalozkaZahlaviZapati; }
    bool tableTabsVisible()
    {
        return form->ZalozkaNavrhTabulky->isTabVisible() && form->ZalozkaRozlozeniTabulky->isTabVisible();
    }
};

TEST_F(HeaderFooterTabTest, TheCaretInAHeaderShowsAndActivatesTheTabAndLeavingHidesIt)
{
    start();
    ASSERT_FALSE(headerTab()->isTabVisible());
    form->editorCommands->execute("EditPageHeader");
    EXPECT_TRUE(headerTab()->isTabVisible());
    EXPECT_TRUE(headerTab()->isActive());
    EXPECT_FALSE(tableTabsVisible());

    form->editorCommands->execute("ClosePageHeaderFooter");
    EXPECT_FALSE(headerTab()->isTabVisible());
}

TEST_F(HeaderFooterTabTest, ATableInAHeaderShowsTheHeaderTabActiveAndBothTableTabs)
{
    start();
    form->editorCommands->execute("EditPageHeader");
    QTextCursor cursor = editor().textCursor();
    cursor.insertTable(2, 2);
    editor().setTextCursor(cursor);
    EXPECT_TRUE(headerTab()->isTabVisible());
    EXPECT_TRUE(headerTab()->isActive());
    EXPECT_TRUE(tableTabsVisible());
    EXPECT_FALSE(form->ZalozkaNavrhTabulky->isActive());
}

TEST_F(HeaderFooterTabTest, EverySelectionChangeInAHeaderMakesItsTabActiveAgain)
{
    start();
    form->editorCommands->execute("EditPageHeader");
    type("abc");
    for (int step = 0; step < 2; ++step) {
        form->ZalozkaDomu->setActive();
        ASSERT_FALSE(headerTab()->isActive());
        QTest::keyClick(editor().viewport(), Qt::Key_Left);
        EXPECT_TRUE(headerTab()->isActive()) << step;
    }
}

TEST_F(HeaderFooterTabTest, ThePrintPreviewWindowHasTheComponentsCaption)
{
    start();
    QString caption;
    QTimer::singleShot(0, [&] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        caption = preview->windowTitle();
        preview->reject();
    });
    form->editorCommands->execute("ShowPrintPreviewForm");
    EXPECT_EQ(caption, QStringLiteral("Náhled před tiskem"));
}

} // namespace
