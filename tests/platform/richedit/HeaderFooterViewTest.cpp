#include "PagedDocument.h"
#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/layout/HeaderFooterPlacement.h"
#include "platform/richedit/layout/PageGeometry.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/FakeDialogs.h"
#include "support/TempDir.h"
#include "support/Typing.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextTable>

#include <gtest/gtest.h>

using namespace richedit;
using HF = HeaderFooterKind;

namespace {

class HeaderFooterViewTest : public ::testing::Test {
protected:
    ui::FakeDialogs dialogs;
    RichEditControl control{dialogs};
    TempDir dir;

    void SetUp() override
    {
        control.resize(900, 700);
        control.setZoomFactor(0.5); // a whole page in view
        control.show();
        control.setFocus();
        QApplication::processEvents();
    }

    void type(const QString &text) { typeText(control.viewport(), text); }

    /// A three-page document with a header and a footer.
    void threePages()
    {
        paged::fill(control.document(), {{"one"}, {"two"}, {"three"}});
        paged::setStory(*control.document().ensureHeaderFooter(0, HF::HeaderOdd), QStringLiteral("Head"));
        paged::setStory(*control.document().ensureHeaderFooter(0, HF::FooterOdd), QStringLiteral("Foot"));
        control.updatePageSetup();
    }

    /// Double-clicks the scene point; scrolls it into view first.
    void doubleClick(QPointF scenePoint)
    {
        control.ensureVisible(QRectF(scenePoint, QSizeF(1, 1)), 50, 50);
        QApplication::processEvents();
        const QPoint at = control.mapFromScene(scenePoint);
        QTest::mouseDClick(control.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
    }
};

TEST_F(HeaderFooterViewTest, EditingAHeaderTheSectionLacksCreatesItAndTypingGoesThere)
{
    paged::fill(control.document(), {{"body"}});
    ASSERT_EQ(control.document().headerFooter(0, HF::HeaderOdd), nullptr);
    QSignalSpy selection(&control, &RichEditControl::SelectionChanged);

    control.editHeaderFooter(0, true);
    EXPECT_TRUE(control.IsSelectionInHeaderOrFooter());
    EXPECT_GE(selection.count(), 1);
    QTextDocument *header = control.document().headerFooter(0, HF::HeaderOdd);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(control.activeStory(), header);

    type("Title");
    EXPECT_EQ(header->toPlainText(), QStringLiteral("Title"));
    EXPECT_EQ(control.document().plainText(), QStringLiteral("body"));
    EXPECT_TRUE(control.DocumentModelModified()); // a header edit is an edit of the document

    QTest::keyClick(control.viewport(), Qt::Key_Escape);
    EXPECT_FALSE(control.IsSelectionInHeaderOrFooter());
    EXPECT_EQ(control.activeStory(), control.mainStory());
    type("!");
    EXPECT_EQ(header->toPlainText(), QStringLiteral("Title"));
}

TEST_F(HeaderFooterViewTest, DoubleClicksEnterTheHeaderOrFooterOfThatPageAndTheBodyLeavesThem)
{
    threePages();
    const PageGeometry &pages = control.pageGeometry();
    ASSERT_EQ(pages.pageCount(), 3);
    const QRectF paper = pages.pageRect(1);
    const QRectF text = pages.textArea(1);

    doubleClick({text.center().x(), paper.top() + 20});
    ASSERT_TRUE(control.IsSelectionInHeaderOrFooter());
    EXPECT_TRUE(control.editingHeader());
    EXPECT_EQ(control.headerFooterPage(), 1);

    doubleClick({text.center().x(), paper.bottom() - 20});
    ASSERT_TRUE(control.IsSelectionInHeaderOrFooter());
    EXPECT_FALSE(control.editingHeader());
    EXPECT_EQ(control.activeStory(), control.document().headerFooter(0, HF::FooterOdd));

    doubleClick(text.center());
    EXPECT_FALSE(control.IsSelectionInHeaderOrFooter());
}

TEST_F(HeaderFooterViewTest, ATableInAHeaderIsATableForTheSelection)
{
    threePages();
    control.editHeaderFooter(0, true);
    QTextCursor cursor = control.textCursor();
    cursor.insertTable(2, 2);
    control.setTextCursor(cursor);
    EXPECT_TRUE(control.IsSelectionInHeaderOrFooter());
    EXPECT_TRUE(control.IsSelectionInTable());
    control.closeHeaderFooter();
    EXPECT_FALSE(control.IsSelectionInTable());
}

TEST_F(HeaderFooterViewTest, SettingACursorOfTheBodyLeavesTheHeader)
{
    threePages();
    control.editHeaderFooter(2, false);
    QTextCursor body(control.mainStory());
    body.setPosition(2);
    control.setTextCursor(body);
    EXPECT_FALSE(control.IsSelectionInHeaderOrFooter());
    EXPECT_EQ(control.textCursor().position(), 2);
}

TEST_F(HeaderFooterViewTest, SavingClearsTheModifiedHeaderAndTheHeaderIsSaved)
{
    paged::fill(control.document(), {{"body"}});
    control.editHeaderFooter(0, true);
    type("Saved head");
    ASSERT_TRUE(control.DocumentModelModified());
    const QString path = dir.path("head.docx");
    control.SaveDocument(path, DocumentFormat::OpenXml);
    EXPECT_FALSE(control.DocumentModelModified());

    const std::unique_ptr<Document> read = readDocument(path, DocumentFormat::OpenXml);
    ASSERT_NE(read->headerFooter(0, HF::HeaderOdd), nullptr);
    EXPECT_EQ(read->headerFooter(0, HF::HeaderOdd)->toPlainText(), QStringLiteral("Saved head"));

    // The reader fills the header by editing it; loaded, the document is still unmodified.
    control.LoadDocument(path, DocumentFormat::OpenXml);
    EXPECT_FALSE(control.DocumentModelModified());
}

TEST_F(HeaderFooterViewTest, LoadingAnotherDocumentWhileEditingAHeaderReturnsToItsBody)
{
    threePages();
    control.editHeaderFooter(0, true);
    const QString path = dir.path("plain.txt");
    dir.write("plain.txt", "text");
    control.LoadDocument(path, DocumentFormat::PlainText);
    EXPECT_FALSE(control.IsSelectionInHeaderOrFooter());
    EXPECT_EQ(control.activeStory(), control.mainStory());
}

} // namespace
