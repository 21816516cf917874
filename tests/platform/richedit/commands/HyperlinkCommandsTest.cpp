#include "CommandsFixture.h"

#include "platform/richedit/commands/HyperlinkCommands.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextLayout>

using namespace richedit;

namespace {

const QString address = QStringLiteral("https://example.org/docs");

class HyperlinkTest : public CommandsTest {
protected:
    /// "see docs here" with "docs" linked to `address`.
    void SetUp() override
    {
        setText(QStringLiteral("see docs here"));
        select(4, 8);
        editorDialogs.hyperlinks.push_back(HyperlinkSettings{QStringLiteral("docs"), address});
        commands.execute(u"ShowHyperlinkForm");
        story().clearUndoRedoStacks();
    }

    /// Where a document position is in the view's viewport.
    QPoint viewportPoint(int position)
    {
        const QTextBlock block = story().findBlock(position);
        const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
        const QPointF inDocument = story().documentLayout()->blockBoundingRect(block).topLeft()
                                   + QPointF(line.cursorToX(position - block.position()) + 3, line.y() + line.height() / 2);
        return control.mapFromScene(inDocument);
    }
};

} // namespace

TEST_F(HyperlinkTest, TheSelectionBecomesALink)
{
    EXPECT_EQ(story().toPlainText(), QStringLiteral("see docs here"));
    for (int position = 4; position < 8; ++position)
        EXPECT_EQ(hyperlink::linkAt(story(), position), address) << position;
    EXPECT_EQ(hyperlink::linkAt(story(), 3), QString());
    EXPECT_EQ(hyperlink::linkAt(story(), 8), QString());
    EXPECT_TRUE(formatAt(5).fontUnderline());
}

TEST_F(HyperlinkTest, TheCaretInALinkEditsTheWholeLinkInOneUndoStep)
{
    select(6, 6);
    editorDialogs.hyperlinks.push_back(HyperlinkSettings{QStringLiteral("manual"), QStringLiteral("https://example.org/m")});
    commands.execute(u"ShowHyperlinkForm");
    ASSERT_EQ(editorDialogs.hyperlinkFormsShown.size(), 2u);
    EXPECT_EQ(editorDialogs.hyperlinkFormsShown.back().text, QStringLiteral("docs"));
    EXPECT_EQ(editorDialogs.hyperlinkFormsShown.back().address, address);
    EXPECT_EQ(story().toPlainText(), QStringLiteral("see manual here"));
    EXPECT_EQ(hyperlink::linkAt(story(), 9), QStringLiteral("https://example.org/m"));
    story().undo();
    EXPECT_EQ(story().toPlainText(), QStringLiteral("see docs here"));
    EXPECT_EQ(hyperlink::linkAt(story(), 5), address);
}

TEST_F(HyperlinkTest, AnEmptyAddressRemovesTheLink)
{
    select(5, 5);
    editorDialogs.hyperlinks.push_back(HyperlinkSettings{QStringLiteral("docs"), QString()});
    commands.execute(u"ShowHyperlinkForm");
    EXPECT_EQ(story().toPlainText(), QStringLiteral("see docs here"));
    EXPECT_EQ(hyperlink::linkAt(story(), 5), QString());
    EXPECT_FALSE(formatAt(5).fontUnderline());
}

TEST_F(HyperlinkTest, CtrlClickOpensTheLinkAndAPlainClickEdits)
{
    control.resize(900, 700);
    control.show();
    QCoreApplication::processEvents();
    QTest::mouseClick(control.viewport(), Qt::LeftButton, Qt::NoModifier, viewportPoint(5));
    EXPECT_TRUE(editorDialogs.openedLinks.isEmpty());
    QTest::mouseClick(control.viewport(), Qt::LeftButton, Qt::ControlModifier, viewportPoint(5));
    EXPECT_EQ(editorDialogs.openedLinks, QStringList{address});
    QTest::mouseClick(control.viewport(), Qt::LeftButton, Qt::ControlModifier, viewportPoint(1));
    EXPECT_EQ(editorDialogs.openedLinks.size(), 1) << "no link there";
}
