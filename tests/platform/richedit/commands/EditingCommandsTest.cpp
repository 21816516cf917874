#include "CommandsFixture.h"

#include "platform/richedit/commands/EditingCommands.h"
#include "platform/richedit/commands/SelectionInfo.h"
#include "platform/richedit/commands/SymbolDialog.h"
#include "platform/rtl/Error.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QTextBlock>
#include <QTextTable>

using namespace richedit;

TEST_F(CommandsTest, PasteFollowsWhatTheClipboardHolds)
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    EXPECT_FALSE(commands.isEnabled(u"PasteSelection")) << "empty clipboard";

    clipboard->setText(QStringLiteral("pasted"));
    EXPECT_TRUE(commands.isEnabled(u"PasteSelection")) << "text";
    setText(QStringLiteral("ab"));
    select(1, 1);
    commands.execute(u"PasteSelection");
    EXPECT_EQ(story().toPlainText(), QStringLiteral("apastedb"));

    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    clipboard->setImage(picture);
    ASSERT_FALSE(clipboard->mimeData()->hasText());
    EXPECT_TRUE(commands.isEnabled(u"PasteSelection")) << "a picture only";
    commands.execute(u"PasteSelection");
    EXPECT_TRUE(formatAt(7).isImageFormat());
}

TEST_F(CommandsTest, CutAndCopyNeedASelectionAndKeepTheFormat)
{
    setText(QStringLiteral("one two"));
    EXPECT_FALSE(commands.isEnabled(u"CopySelection"));
    EXPECT_FALSE(commands.isEnabled(u"CutSelection"));
    select(4, 7);
    commands.execute(u"ToggleFontBold");
    commands.execute(u"CopySelection");
    const QMimeData *data = QApplication::clipboard()->mimeData();
    EXPECT_EQ(data->text(), QStringLiteral("two"));
    EXPECT_TRUE(data->html().contains(QStringLiteral("font-weight")));
    commands.execute(u"CutSelection");
    EXPECT_EQ(story().toPlainText(), QStringLiteral("one "));
    select(0, 0);
    commands.execute(u"PasteSelection");
    EXPECT_EQ(story().toPlainText(), QStringLiteral("twoone "));
    EXPECT_EQ(formatAt(1).fontWeight(), QFont::Bold);
}

TEST_F(CommandsTest, UndoAndRedoFollowTheStack)
{
    setText(QStringLiteral("text"));
    EXPECT_FALSE(commands.isEnabled(u"Undo"));
    EXPECT_FALSE(commands.isEnabled(u"Redo"));
    select(0, 4);
    commands.execute(u"ToggleFontItalic");
    EXPECT_TRUE(commands.isEnabled(u"Undo"));
    commands.execute(u"Undo");
    EXPECT_FALSE(formatAt(1).fontItalic());
    EXPECT_TRUE(commands.isEnabled(u"Redo"));
    commands.execute(u"Redo");
    EXPECT_TRUE(formatAt(1).fontItalic());
}

TEST_F(CommandsTest, SelectAllSelectsTheWholeDocument)
{
    setText(QStringLiteral("one\ntwo"));
    commands.execute(u"SelectAll");
    EXPECT_EQ(control.textCursor().selectionStart(), 0);
    EXPECT_EQ(control.textCursor().selectionEnd(), 7);
}

TEST_F(CommandsTest, ZoomGoesInTenPercentStepsWithinTheLimits)
{
    control.setZoomFactor(1.1);
    commands.execute(u"ZoomIn");
    EXPECT_DOUBLE_EQ(control.zoomFactor(), 1.2);
    commands.execute(u"ZoomOut");
    commands.execute(u"ZoomOut");
    EXPECT_DOUBLE_EQ(control.zoomFactor(), 1.0);
    control.setZoomFactor(5.0);
    EXPECT_FALSE(commands.isEnabled(u"ZoomIn"));
    control.setZoomFactor(0.1);
    EXPECT_FALSE(commands.isEnabled(u"ZoomOut"));
    EXPECT_DOUBLE_EQ(editing::nextZoom(1.25, true), 1.3);
    EXPECT_DOUBLE_EQ(editing::nextZoom(1.25, false), 1.2);
}

TEST_F(CommandsTest, PageBreakStartsANewParagraphOnANewPage)
{
    setText(QStringLiteral("onetwo"));
    select(3, 3);
    commands.execute(u"InsertPageBreak");
    ASSERT_EQ(story().blockCount(), 2);
    EXPECT_EQ(story().findBlockByNumber(1).text(), QStringLiteral("two"));
    EXPECT_TRUE(blockFormat(1).pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    EXPECT_FALSE(blockFormat(0).pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    story().undo();
    EXPECT_EQ(story().toPlainText(), QStringLiteral("onetwo")) << "one undo step";
}

TEST_F(CommandsTest, InsertPictureTakesAFileAndRefusesWhatIsNoPicture)
{
    TempDir dir;
    const QString png = dir.path(QStringLiteral("dot.png"));
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(png));
    const QString text = dir.write(QStringLiteral("notes.png"), "not a picture");
    setText(QStringLiteral("ab"));
    select(1, 1);
    editorDialogs.pictures.push_back(std::nullopt);
    commands.execute(u"InsertPicture");
    EXPECT_EQ(story().toPlainText(), QStringLiteral("ab")) << "cancelled";

    editorDialogs.pictures.push_back(png);
    commands.execute(u"InsertPicture");
    const QTextImageFormat inserted = formatAt(1).toImageFormat();
    ASSERT_TRUE(inserted.isValid());
    EXPECT_FALSE(story().resource(QTextDocument::ImageResource, QUrl(inserted.name())).isNull());

    editorDialogs.pictures.push_back(text);
    EXPECT_THROW(commands.execute(u"InsertPicture"), platform::Error);
}

TEST_F(CommandsTest, InsertTablePutsTheCaretInItsFirstCell)
{
    setText(QStringLiteral("before"));
    select(6, 6);
    EXPECT_FALSE(IsSelectionInTable(control));
    editorDialogs.tables.push_back(QSize(3, 2));
    commands.execute(u"ShowInsertTableForm");
    ASSERT_TRUE(IsSelectionInTable(control));
    const QTextTable *table = control.textCursor().currentTable();
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->cellAt(control.textCursor()).row(), 0);
    story().undo();
    select(0, 0);
    EXPECT_FALSE(IsSelectionInTable(control));
    EXPECT_EQ(story().toPlainText(), QStringLiteral("before"));
}

TEST_F(CommandsTest, FindNextRepeatsTheLastSearchAndSaysWhenNothingIsFound)
{
    setText(QStringLiteral("cat dog cat"));
    EXPECT_FALSE(commands.isEnabled(u"SearchFindNext"));
    select(0, 3);
    commands.execute(u"SearchFind");
    EXPECT_EQ(editorDialogs.findReplaceShown, 1);
    EXPECT_EQ(commands.session().searchText, QStringLiteral("cat"));
    commands.execute(u"SearchFindNext");
    EXPECT_EQ(control.textCursor().selectionStart(), 8);
    commands.execute(u"SearchFindNext"); // wraps round
    EXPECT_EQ(control.textCursor().selectionStart(), 0);
    commands.session().searchText = QStringLiteral("bird");
    commands.execute(u"SearchFindNext");
    EXPECT_EQ(editorDialogs.messages, QStringList{QStringLiteral("The search item \"bird\" was not found.")});
    commands.execute(u"SearchReplace");
    EXPECT_TRUE(editorDialogs.lastFindWasReplace);
}

TEST_F(CommandsTest, CommandsWithoutAnEngineFeatureAreDisabledAndDoNothing)
{
    setText(QStringLiteral("text"));
    for (const char *name : {"InsertTextBox", "InsertColumnBreak", "ShowRangeEditingPermissions", "EncryptDocument"}) {
        EXPECT_FALSE(commands.isEnabled(name)) << name;
        commands.execute(name);
    }
    EXPECT_FALSE(story().isUndoAvailable());
}

TEST_F(CommandsTest, StatesChangeIsAnnouncedOnSelectionTextAndZoom)
{
    int announced = 0;
    QObject::connect(&commands, &EditorCommands::stateChanged, [&] { ++announced; });
    setText(QStringLiteral("abc"));
    EXPECT_GT(announced, 0);
    announced = 0;
    select(1, 2);
    EXPECT_GT(announced, 0);
    announced = 0;
    control.setZoomFactor(2.0);
    EXPECT_GT(announced, 0);
    // A new document brings a new story; its edits are still announced.
    control.newDocument();
    announced = 0;
    QTextCursor(control.mainStory()).insertText(QStringLiteral("x"));
    EXPECT_GT(announced, 0);
}

TEST_F(CommandsTest, EveryChangeOfTheDocumentIsUndoneInOneStep)
{
    const char *const changing[] = {
        "ChangeFontName", "ChangeFontSize", "IncreaseFontSize", "DecreaseFontSize", "ToggleFontBold",
        "ToggleFontItalic", "ToggleFontUnderline", "ToggleFontDoubleUnderline", "ToggleFontStrikeout",
        "ToggleFontDoubleStrikeout", "ToggleFontSubscript", "ToggleFontSuperscript", "TextHighlight",
        "ChangeFontColor", "ShowFontForm", "ToggleBulletedList", "ToggleSimpleNumberingList", "IncrementIndent",
        "ToggleParagraphAlignmentCenter", "ToggleParagraphAlignmentRight", "ToggleParagraphAlignmentJustify",
        "SetSesquialteralParagraphSpacing", "SetDoubleParagraphSpacing", "ShowParagraphForm", "TextUpperCase",
        "TextLowerCase", "PasteSelection", "CutSelection", "InsertPageBreak", "ShowInsertTableForm", "ShowSymbolForm", "ShowHyperlinkForm",
    };
    const QVariant arguments[] = {QStringLiteral("DejaVu Sans"), QStringLiteral("15")};
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    for (const char *name : changing) {
        SCOPED_TRACE(name);
        // Two paragraphs, the selection across a bold run and the paragraph end.
        setText(QStringLiteral("Alpha beta\nGamma delta"));
        QTextCursor run(&story());
        run.setPosition(6);
        run.setPosition(10, QTextCursor::KeepAnchor);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        run.mergeCharFormat(bold);
        story().clearUndoRedoStacks();
        const QString before = story().toHtml();
        select(3, 15);
        editorDialogs.fonts.push_back(QFont(QStringLiteral("DejaVu Sans"), 20));
        ParagraphSettings settings;
        settings.leftIndent = 30;
        editorDialogs.paragraphs.push_back(settings);
        editorDialogs.tables.push_back(QSize(2, 2));
        editorDialogs.symbols.push_back(SymbolChoice{QStringLiteral("\u2192"), QStringLiteral("DejaVu Sans")});
        editorDialogs.hyperlinks.push_back(HyperlinkSettings{QString(), QStringLiteral("https://example.org")});
        const QVariant argument = qstrcmp(name, "ChangeFontName") == 0 ? arguments[0]
                                  : qstrcmp(name, "ChangeFontSize") == 0 ? arguments[1]
                                                                         : QVariant();
        commands.execute(name, argument);
        ASSERT_NE(story().toHtml(), before) << "the command changed the document";
        ASSERT_TRUE(story().isUndoAvailable());
        story().undo();
        EXPECT_EQ(story().toHtml(), before);
        EXPECT_FALSE(story().isUndoAvailable()) << "exactly one undo step";
        editorDialogs.fonts.clear();
        editorDialogs.paragraphs.clear();
        editorDialogs.tables.clear();
        editorDialogs.symbols.clear();
        editorDialogs.hyperlinks.clear();
    }
}

TEST_F(CommandsTest, SymbolGoesInAtTheCaretInItsFont)
{
    setText(QStringLiteral("ab"));
    select(1, 1);
    editorDialogs.symbols.push_back(SymbolChoice{QStringLiteral("\u03a9"), QStringLiteral("DejaVu Sans")});
    commands.execute(u"ShowSymbolForm");
    EXPECT_EQ(story().toPlainText(), QStringLiteral("a\u03a9b"));
    EXPECT_EQ(formatAt(1).fontFamilies().toStringList().value(0), QStringLiteral("DejaVu Sans"));
    commands.execute(u"ShowSymbolForm"); // cancelled
    EXPECT_EQ(story().toPlainText(), QStringLiteral("a\u03a9b"));
}

TEST(SymbolBlocks, RangesAreOrderedAndPrintable)
{
    for (const UnicodeBlock &block : richedit::symbolBlocks()) {
        EXPECT_LT(block.first, block.last) << block.name;
        EXPECT_TRUE(QChar::isPrint(block.first)) << block.name;
    }
}
