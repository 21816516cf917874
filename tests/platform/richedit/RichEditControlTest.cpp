#include "platform/richedit/Error.h"
#include "platform/richedit/layout/PageGeometry.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/FakeDialogs.h"
#include "support/TempDir.h"
#include "support/Typing.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

using namespace richedit;

namespace {

class RichEditControlTest : public ::testing::Test {
protected:
    ui::FakeDialogs dialogs;
    RichEditControl control{dialogs};
    TempDir dir;

    void SetUp() override
    {
        control.resize(900, 700);
        control.show();
        control.setFocus();
        QApplication::processEvents();
    }

    void type(const QString &text) { typeText(control.viewport(), text); }
};

TEST_F(RichEditControlTest, StartsEmptyUnnamedUnmodifiedAtZoom110)
{
    EXPECT_EQ(control.document().plainText(), QString());
    EXPECT_TRUE(control.CurrentFileName().isEmpty());
    EXPECT_FALSE(control.DocumentModelModified());
    EXPECT_DOUBLE_EQ(control.zoomFactor(), 1.1);
    EXPECT_EQ(control.MeasurementUnit(), MeasurementUnit::Centimeter);
}

TEST_F(RichEditControlTest, TypingEditsTheDocumentAndUndoRestoresIt)
{
    QSignalSpy modified(&control, &RichEditControl::ModifiedChanged);
    type("Hello");
    EXPECT_EQ(control.document().plainText(), QStringLiteral("Hello"));
    EXPECT_TRUE(control.DocumentModelModified());
    EXPECT_EQ(modified.count(), 1);

    QTest::keyClick(control.viewport(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(control.document().plainText(), QString());
    QTest::keyClick(control.viewport(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(control.document().plainText(), QStringLiteral("Hello"));
}

TEST_F(RichEditControlTest, InsertKeyTogglesOverwrite)
{
    type("abc");
    QTest::keyClick(control.viewport(), Qt::Key_Home);
    QTest::keyClick(control.viewport(), Qt::Key_Insert);
    EXPECT_TRUE(control.overwriteMode());
    type("XY");
    EXPECT_EQ(control.document().plainText(), QStringLiteral("XYc"));
    QTest::keyClick(control.viewport(), Qt::Key_Insert);
    type("Z");
    EXPECT_EQ(control.document().plainText(), QStringLiteral("XYZc"));
}

TEST_F(RichEditControlTest, SelectionChangesAreReported)
{
    type("some words");
    QSignalSpy selection(&control, &RichEditControl::SelectionChanged);
    QTest::keyClick(control.viewport(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_GE(selection.count(), 1);
    EXPECT_EQ(control.textCursor().selectedText(), QStringLiteral("s"));
}

TEST_F(RichEditControlTest, TextStaysInsideTheMarginsOfEachPage)
{
    const PageGeometry &pages = control.pageGeometry();
    QTextCursor cursor(control.mainStory());
    for (int i = 0; i < 120; ++i)
        cursor.insertText(QStringLiteral("Line %1\n").arg(i));
    QApplication::processEvents();
    ASSERT_GE(pages.pageCount(), 2);

    // A line pushed to the next page keeps its block's position and moves by its own offset.
    QAbstractTextDocumentLayout *layout = control.mainStory()->documentLayout();
    for (QTextBlock block = control.mainStory()->begin(); block.isValid(); block = block.next()) {
        const QRectF blockRect = layout->blockBoundingRect(block);
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            const QTextLine line = block.layout()->lineAt(i);
            const QRectF rect = line.rect().translated(blockRect.topLeft());
            const QRectF area = pages.textArea(pages.pageAt(rect.top()));
            EXPECT_GE(rect.top(), area.top() - 0.5) << block.text().toStdString();
            EXPECT_LE(rect.bottom(), area.bottom() + 0.5) << block.text().toStdString();
            EXPECT_GE(rect.left(), area.left() - 0.5);
        }
    }
    // Pages lie one below the other with a gap between them.
    EXPECT_GT(pages.pageRect(1).top(), pages.pageRect(0).bottom());
}

TEST_F(RichEditControlTest, PageSizeFollowsTheFirstSection)
{
    Section section = control.document().section(0);
    section.setPaperKind(PaperKind::A4);
    section.setLandscape(true);
    section.margins.left = 720;
    control.document().setSection(0, section);
    EXPECT_NEAR(control.pageGeometry().pageRect(0).width(), twipsToLayout(16838), 0.01);
    EXPECT_NEAR(control.pageGeometry().textArea(0).left(), 48, 0.01);
    EXPECT_FALSE(control.DocumentModelModified()); // page setup is not an edit of the text
}

TEST_F(RichEditControlTest, LoadFailureKeepsTheOpenDocument)
{
    type("mine");
    EXPECT_THROW(control.LoadDocument(dir.path("missing.txt"), DocumentFormat::PlainText), Error);
    EXPECT_EQ(control.document().plainText(), QStringLiteral("mine"));
    EXPECT_TRUE(control.DocumentModelModified());
}

TEST_F(RichEditControlTest, LoadMakesTheFileCurrentAndUnmodified)
{
    const QString path = dir.write("a.txt", "first\nsecond");
    QSignalSpy loaded(&control, &RichEditControl::DocumentLoaded);
    control.LoadDocument(path, DocumentFormat::PlainText);
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_EQ(control.CurrentFileName(), path);
    EXPECT_FALSE(control.DocumentModelModified());
    EXPECT_EQ(control.document().plainText(), QStringLiteral("first\nsecond"));
}

struct SavedFormat {
    const char *name;
    const char *filter;
    const char *extension;
};

class TypeSaveReopenTest : public RichEditControlTest, public ::testing::WithParamInterface<SavedFormat> {};

TEST_P(TypeSaveReopenTest, TypedTextComesBackAfterSaveAs)
{
    type("Příliš žluťoučký");
    QTest::keyClick(control.viewport(), Qt::Key_Return);
    type("kůň");
    const QString path = dir.path(QStringLiteral("doc"));
    dialogs.saveFiles.push_back(ui::FileChoice{path, QString::fromLatin1(GetParam().filter)});
    ASSERT_TRUE(control.saveDocumentAs());

    const QString saved = path + QLatin1Char('.') + QLatin1String(GetParam().extension);
    EXPECT_EQ(control.CurrentFileName(), saved);
    EXPECT_FALSE(control.DocumentModelModified());

    RichEditControl reopened(dialogs);
    dialogs.openFiles.push_back(ui::FileChoice{saved, QString()});
    ASSERT_TRUE(reopened.loadDocumentWithDialog());
    EXPECT_EQ(reopened.document().plainText(), QStringLiteral("Příliš žluťoučký\nkůň"));
}

INSTANTIATE_TEST_SUITE_P(Formats, TypeSaveReopenTest,
                         ::testing::Values(SavedFormat{"PlainText", "Plain Text (*.txt)", "txt"},
                                           SavedFormat{"Html", "Web Page (*.html *.htm)", "html"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(RichEditControlTest, SaveAsOffersOnlyFormatsItCanWrite)
{
    EXPECT_TRUE(control.saveFilters().contains(QStringLiteral("Plain Text (*.txt)")));
    EXPECT_FALSE(control.saveFilters().contains(QStringLiteral("Word 97-2003 Document (*.doc)")));
    EXPECT_FALSE(control.saveDocumentAs()); // the fake cancels
    EXPECT_EQ(dialogs.lastFilters, control.saveFilters());
}

TEST_F(RichEditControlTest, NewAsksThroughDocumentClosingOnlyWhenModified)
{
    int asked = 0;
    bool allow = false;
    QObject::connect(&control, &RichEditControl::DocumentClosing, [&](bool &canClose) {
        ++asked;
        canClose = allow;
    });
    EXPECT_TRUE(control.newDocument());
    EXPECT_EQ(asked, 0);

    type("x");
    EXPECT_FALSE(control.newDocument());
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(control.document().plainText(), QStringLiteral("x"));

    allow = true;
    EXPECT_TRUE(control.newDocument());
    EXPECT_EQ(control.document().plainText(), QString());
    EXPECT_FALSE(control.DocumentModelModified());
}

TEST_F(RichEditControlTest, CopyAndPasteKeepFormattingAndOfferPlainText)
{
    QTextCursor cursor(control.mainStory());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("tučně"), bold);
    cursor.select(QTextCursor::Document);
    control.setTextCursor(cursor);
    QTest::keyClick(control.viewport(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("tučně"));
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasHtml());

    QTest::keyClick(control.viewport(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(control.viewport(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(control.document().plainText(), QStringLiteral("tučnětučně"));
    QTextCursor probe(control.mainStory());
    probe.setPosition(8);
    EXPECT_EQ(probe.charFormat().fontWeight(), QFont::Bold);
}

TEST_F(RichEditControlTest, ZoomIsClampedAndReported)
{
    QSignalSpy zoom(&control, &RichEditControl::zoomChanged);
    control.setZoomFactor(1.0);
    EXPECT_DOUBLE_EQ(control.zoomFactor(), 1.0);
    control.setZoomFactor(100);
    EXPECT_DOUBLE_EQ(control.zoomFactor(), 5.0);
    EXPECT_EQ(zoom.count(), 2);
}

} // namespace
