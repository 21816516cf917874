#include "EditorFixture.h"
#include "commands/FormattingCommands.h"

#include <QTextBlock>

namespace {

class ClearFormattingTest : public EditorFixture {
protected:
    /// Two paragraphs, each centred with a left and a first-line indent, all text bold, red
    /// and 20 points; the document itself stays at its default font.
    void setUpFormattedText()
    {
        setText(QStringLiteral("first paragraph\nsecond paragraph"));
        QTextCursor all(&story());
        all.select(QTextCursor::Document);
        QTextCharFormat loud;
        loud.setFontWeight(QFont::Bold);
        loud.setForeground(Qt::red);
        loud.setFontPointSize(20);
        all.mergeCharFormat(loud);
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        centred.setTextIndent(30);
        centred.setLeftMargin(40);
        centred.setTopMargin(12);
        centred.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore | QTextFormat::PageBreak_AlwaysAfter);
        all.mergeBlockFormat(centred);
        story().clearUndoRedoStacks();
    }

    QTextCharFormat charAt(int position)
    {
        QTextCursor cursor(&story());
        cursor.setPosition(position);
        return cursor.charFormat();
    }

    static bool hasDirectCharacterFormatting(const QTextCharFormat &format)
    {
        return format.hasProperty(QTextFormat::FontWeight) || format.hasProperty(QTextFormat::ForegroundBrush)
               || format.hasProperty(QTextFormat::FontPointSize);
    }

    static bool hasDirectParagraphFormatting(const QTextBlockFormat &format)
    {
        return format.hasProperty(QTextFormat::BlockAlignment) || format.hasProperty(QTextFormat::TextIndent)
               || format.hasProperty(QTextFormat::BlockLeftMargin) || format.hasProperty(QTextFormat::BlockTopMargin);
    }
};

TEST_F(ClearFormattingTest, SelectedTextReturnsToTheLookOfItsParagraph)
{
    setUpFormattedText();
    select(0, 5); // "first"
    commands::ClearFormatting(editor);

    EXPECT_FALSE(hasDirectCharacterFormatting(charAt(3)));
    EXPECT_EQ(charAt(3).font().pointSizeF(), story().defaultFont().pointSizeF());
    const QTextBlockFormat paragraph = story().findBlock(0).blockFormat();
    EXPECT_FALSE(hasDirectParagraphFormatting(paragraph));
    EXPECT_EQ(paragraph.alignment(), QTextBlockFormat().alignment());
    // Break-after is not one of the options, so it stays.
    EXPECT_EQ(paragraph.pageBreakPolicy(), QTextFormat::PageBreak_AlwaysAfter);
    // The rest of the paragraph was not selected and keeps its own formatting.
    EXPECT_TRUE(hasDirectCharacterFormatting(charAt(8)));
    EXPECT_EQ(charAt(8).fontWeight(), QFont::Bold);
    EXPECT_EQ(text(), QStringLiteral("first paragraph\nsecond paragraph"));
}

TEST_F(ClearFormattingTest, ASelectionAcrossTwoParagraphsClearsBothParagraphsButOnlyItsCharacters)
{
    setUpFormattedText();
    const int secondStart = story().findBlockByNumber(1).position();
    select(6, secondStart + 6); // "paragraph\nsecond"
    commands::ClearFormatting(editor);

    for (int block = 0; block < 2; ++block)
        EXPECT_FALSE(hasDirectParagraphFormatting(story().findBlockByNumber(block).blockFormat())) << block;
    EXPECT_TRUE(hasDirectCharacterFormatting(charAt(3)));               // "first", before the selection
    EXPECT_FALSE(hasDirectCharacterFormatting(charAt(10)));             // "paragraph"
    EXPECT_FALSE(hasDirectCharacterFormatting(charAt(secondStart + 3))); // "second"
    EXPECT_TRUE(hasDirectCharacterFormatting(charAt(secondStart + 10))); // " paragraph", after it
}

TEST_F(ClearFormattingTest, AWholeParagraphWithItsMarkLeavesTheNextParagraphAlone)
{
    setUpFormattedText();
    const int secondStart = story().findBlockByNumber(1).position();
    select(0, secondStart);
    commands::ClearFormatting(editor);
    EXPECT_FALSE(hasDirectParagraphFormatting(story().findBlockByNumber(0).blockFormat()));
    EXPECT_TRUE(hasDirectParagraphFormatting(story().findBlockByNumber(1).blockFormat()));
    EXPECT_TRUE(hasDirectCharacterFormatting(charAt(secondStart + 1)));
}

TEST_F(ClearFormattingTest, KeepsWhatIsNoFormattingOption)
{
    setText(QStringLiteral("link"));
    QTextCursor all(&story());
    all.select(QTextCursor::Document);
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("https://example.org/"));
    link.setFontWeight(QFont::Bold);
    all.mergeCharFormat(link);
    select(0, 4);
    commands::ClearFormatting(editor);
    EXPECT_EQ(charAt(2).anchorHref(), QStringLiteral("https://example.org/"));
    EXPECT_FALSE(charAt(2).hasProperty(QTextFormat::FontWeight));
}

TEST_F(ClearFormattingTest, IsOneUndoStep)
{
    setUpFormattedText();
    select(0, 5);
    commands::ClearFormatting(editor);
    story().undo();
    EXPECT_EQ(charAt(3).fontWeight(), QFont::Bold);
    EXPECT_EQ(story().findBlock(0).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_FALSE(story().isUndoAvailable());
}

TEST(FormattingOptionsTest, SixteenCharacterAndTwentyTwoParagraphOptions)
{
    EXPECT_EQ(commands::characterFormattingOptions().size(), 16u);
    EXPECT_EQ(commands::paragraphFormattingOptions().size(), 22u);
}

} // namespace
