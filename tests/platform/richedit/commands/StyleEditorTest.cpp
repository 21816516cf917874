#include "CommandsFixture.h"

#include "platform/richedit/commands/MultiLevelList.h"
#include "platform/richedit/commands/StyleEditor.h"
#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/model/Document.h"
#include "platform/richedit/model/Properties.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextList>

using namespace richedit;

namespace {

std::unique_ptr<Document> roundTrip(const Document &document, DocumentFormat format)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    writeDocument(document, file, format);
    return readDocument(file.data(), format, QStringLiteral("test"));
}

/// Three paragraphs: "normal" in Normal, "heading" in Heading1, "sub" in a style based on
/// Heading1; every one 12 pt Times, Heading1 bold 16 pt.
class StyleEditorTest : public CommandsTest {
protected:
    void SetUp() override
    {
        setText(QStringLiteral("normal\nheading\nsub"));
        StyleSheet &sheet = control.document().styles();
        const auto make = [](const char *id, const char *name, const char *basedOn) {
            Style s;
            s.id = QString::fromLatin1(id);
            s.name = QString::fromLatin1(name);
            s.basedOn = QString::fromLatin1(basedOn);
            return s;
        };
        Style normal = make("Normal", "Normal", "");
        normal.isDefault = true;
        normal.charFormat.setFontPointSize(12);
        Style heading = make("Heading1", "heading 1", "Normal");
        heading.charFormat.setFontWeight(QFont::Bold);
        heading.charFormat.setFontPointSize(16);
        Style sub = make("Sub", "Sub", "Heading1");
        sub.blockFormat.setLeftMargin(10);
        for (const Style &s : {normal, heading, sub})
            sheet.add(s);
        const QString ids[] = {"Normal", "Heading1", "Sub"};
        QTextCursor cursor(&story());
        for (int i = 0; i < 3; ++i) {
            const QTextBlock block = story().findBlockByNumber(i);
            cursor.setPosition(block.position());
            QTextBlockFormat f = sheet.resolvedBlockFormat(ids[i]);
            f.setProperty(prop::ParagraphStyleId, ids[i]);
            cursor.setBlockFormat(f);
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cursor.setCharFormat(sheet.resolvedCharFormat(ids[i]));
        }
        story().clearUndoRedoStacks();
        story().setModified(false);
        select(7, 7);
    }

    Style style(const char *id) { return *control.document().styles().find(QString::fromLatin1(id)); }

    /// The style with fields changed as `edit` says, as the dialog hands it back.
    template <typename Edit>
    Style edited(const char *id, Edit edit)
    {
        const StyleSheet &sheet = control.document().styles();
        const styles::StyleFields shown = styles::fieldsOf(sheet, style(id), story().defaultFont());
        styles::StyleFields fields = shown;
        edit(fields);
        return styles::withFields(style(id), shown, fields);
    }
};

} // namespace

TEST_F(StyleEditorTest, ChangingAStyleReformatsItsParagraphsAndThoseBasedOnItButKeepsDirectFormatting)
{
    // Direct formatting: "sub" is italic and its first letter red; "heading" is centred.
    QTextCursor cursor(&story());
    const QTextBlock sub = story().findBlockByNumber(2);
    cursor.setPosition(sub.position());
    cursor.setPosition(sub.position() + 1, QTextCursor::KeepAnchor);
    QTextCharFormat red;
    red.setForeground(Qt::red);
    cursor.mergeCharFormat(red);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setPosition(story().findBlockByNumber(1).position());
    cursor.mergeBlockFormat(centred);
    story().clearUndoRedoStacks();
    story().setModified(false);

    editorDialogs.styleEdits.push_back(std::vector<Style>{edited("Heading1", [](styles::StyleFields &f) {
        f.size = 20;
        f.family = "Arial";
        f.alignment = Qt::AlignRight;
    })});
    commands.execute(u"ShowEditStyleForm");

    const struct {
        int position;
        qreal size;
        QString family;
        QColor color; // invalid: none
    } runs[] = {
        {1, 12, "", QColor()},                    // Normal: untouched
        {8, 20, "Arial", QColor()},               // Heading1
        {15, 20, "Arial", QColor(Qt::red)},       // based on Heading1, with its red letter
        {17, 20, "Arial", QColor()},
    };
    for (const auto &r : runs) {
        const QTextCharFormat f = formatAt(r.position - 1);
        EXPECT_EQ(f.fontPointSize(), r.size) << r.position;
        EXPECT_EQ(f.fontFamilies().toStringList().value(0), r.family) << r.position;
        EXPECT_EQ(f.foreground().style() != Qt::NoBrush ? f.foreground().color() : QColor(), r.color) << r.position;
    }
    EXPECT_EQ(blockFormat(1).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << "direct alignment stays";
    EXPECT_EQ(blockFormat(2).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(blockFormat(2).leftMargin(), 10) << "the based-on style's own indent stays";
    EXPECT_EQ(style("Heading1").charFormat.fontPointSize(), 20);
    EXPECT_TRUE(control.DocumentModelModified());

    story().undo();
    EXPECT_EQ(formatAt(8).fontPointSize(), 16);
    EXPECT_EQ(formatAt(15).fontPointSize(), 16);
    EXPECT_EQ(formatAt(14).foreground().color(), QColor(Qt::red));
    EXPECT_EQ(style("Heading1").charFormat.fontPointSize(), 16) << "undo restores the style too";
    EXPECT_FALSE(story().isUndoAvailable()) << "one undo step";
    story().redo();
    EXPECT_EQ(style("Heading1").charFormat.fontPointSize(), 20);
    EXPECT_EQ(formatAt(8).fontPointSize(), 20);
}

TEST_F(StyleEditorTest, TheEditorChangesOnlyWhatTheUserChanged)
{
    const Style sub = edited("Sub", [](styles::StyleFields &f) { f.italic = true; });
    EXPECT_TRUE(sub.charFormat.fontItalic());
    EXPECT_FALSE(sub.charFormat.hasProperty(QTextFormat::FontPointSize)) << "the size still comes from Heading1";
    EXPECT_FALSE(sub.charFormat.hasProperty(QTextFormat::FontWeight));
    EXPECT_EQ(sub.blockFormat, style("Sub").blockFormat);
}

TEST_F(StyleEditorTest, CancelChangesNothingAndANewStyleIsKept)
{
    commands.execute(u"ShowEditStyleForm");
    EXPECT_FALSE(control.DocumentModelModified());
    Style added = styles::newStyle(control.document().styles(), StyleType::Character, QString());
    added.charFormat.setFontUnderline(true);
    EXPECT_EQ(control.document().styles().find(added.id), nullptr);
    editorDialogs.styleEdits.push_back(std::vector<Style>{added});
    commands.execute(u"ShowEditStyleForm");
    ASSERT_NE(control.document().styles().find(added.id), nullptr);
    EXPECT_TRUE(control.DocumentModelModified());
}

TEST_F(StyleEditorTest, AChangedStyleIsWrittenToTheFiles)
{
    editorDialogs.styleEdits.push_back(
        std::vector<Style>{edited("Heading1", [](styles::StyleFields &f) { f.size = 21; })});
    commands.execute(u"ShowEditStyleForm");
    for (DocumentFormat format : {DocumentFormat::OpenXml, DocumentFormat::Rtf}) {
        const std::unique_ptr<Document> read = roundTrip(control.document(), format);
        const Style *heading = read->styles().find("Heading1");
        if (!heading) // RTF keeps styles by name
            for (const Style &s : read->styles().styles())
                if (s.name == "heading 1")
                    heading = &s;
        ASSERT_NE(heading, nullptr) << int(format);
        EXPECT_EQ(read->styles().resolvedCharFormat(heading->id).fontPointSize(), 21) << int(format);
    }
}

TEST_F(CommandsTest, MultilevelListLevelsFollowTabAndTheIndentCommands)
{
    setText(QStringLiteral("one\ntwo\nthree\nfour"));
    select(0, 12);
    commands.execute(u"ToggleMultiLevelList");
    EXPECT_TRUE(commands.isChecked(u"ToggleMultiLevelList"));
    const auto level = [&](int block) {
        const QTextList *list = story().findBlockByNumber(block).textList();
        return list ? list->format().intProperty(prop::ListLevelIndex) : -1;
    };
    const auto marker = [&](int block) {
        const QTextBlock b = story().findBlockByNumber(block);
        return b.textList() ? b.textList()->itemText(b) : QString();
    };
    select(4, 4); // "two"
    commands.execute(u"IncrementIndent");
    select(8, 8); // "three"
    commands.execute(u"IncrementIndent");
    commands.execute(u"IncrementIndent");
    EXPECT_EQ((std::vector<int>{level(0), level(1), level(2), level(3)}), (std::vector<int>{0, 1, 2, -1}));
    EXPECT_EQ((QStringList{marker(0), marker(1), marker(2)}), (QStringList{"1.", "a.", "i."}));
    EXPECT_TRUE(commands.isEnabled(u"DecrementIndent"));
    commands.execute(u"DecrementIndent");
    EXPECT_EQ(marker(2), "b.") << "back on the second level it continues the a.";
    EXPECT_EQ(story().findBlockByNumber(3).blockFormat().leftMargin(), 0) << "outside the list nothing indented";

    QKeyEvent backtab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    select(4, 4);
    QCoreApplication::sendEvent(&control, &backtab);
    EXPECT_EQ(level(1), 0);
    EXPECT_EQ(marker(1), "2.");
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &tab);
    EXPECT_EQ(level(1), 1);

    // The files keep the list and its levels.
    const std::unique_ptr<Document> read = roundTrip(control.document(), DocumentFormat::OpenXml);
    const QTextBlock third = read->mainStory()->findBlockByNumber(2);
    ASSERT_NE(third.textList(), nullptr);
    EXPECT_EQ(third.textList()->format().intProperty(prop::ListLevelIndex), 1);

    select(0, 0);
    commands.execute(u"ToggleMultiLevelList");
    EXPECT_FALSE(commands.isChecked(u"ToggleMultiLevelList"));
}
