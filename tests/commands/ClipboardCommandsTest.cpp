#include "EditorFixture.h"
#include "commands/ClipboardCommands.h"
#include "platform/rtl/Error.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QMimeData>
#include <QTextBlock>
#include <QTextImageFormat>

namespace {

void putOnClipboard(const QString &text, const QString &html = QString())
{
    auto *data = new QMimeData;
    data->setText(text);
    if (!html.isEmpty())
        data->setHtml(html);
    QApplication::clipboard()->setMimeData(data);
}

void putPictureOnClipboard()
{
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    auto *data = new QMimeData;
    data->setImageData(picture);
    QApplication::clipboard()->setMimeData(data);
}

/// The font of the picture measured independently: "Segoe UI" at 12 points on the screen.
QFontMetrics pictureMetrics()
{
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(qRound(12 * commands::screenDotsPerInch() / 72));
    return QFontMetrics(font);
}

class ClipboardCommandsTest : public EditorFixture {
protected:
    /// The pictures in the story, in document order.
    std::vector<QImage> pictures()
    {
        std::vector<QImage> found;
        for (QTextBlock block = story().begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat()) {
                    const QString name = it.fragment().charFormat().toImageFormat().name();
                    found.push_back(story().resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>());
                }
        return found;
    }
};

TEST_F(ClipboardCommandsTest, PlainPasteReplacesTheSelectionWithoutTheSourcesFormatting)
{
    setText(QStringLiteral("one two three"));
    select(4, 7);
    putOnClipboard(QStringLiteral("big"), QStringLiteral("<b><span style=\"font-size:30pt\">big</span></b>"));
    commands::VlozitProstyText(editor);
    EXPECT_EQ(text(), QStringLiteral("one big three"));
    QTextCursor pasted(&story());
    pasted.setPosition(6);
    EXPECT_EQ(pasted.charFormat().fontWeight(), QTextCharFormat().fontWeight());
    EXPECT_FALSE(pasted.charFormat().hasProperty(QTextFormat::FontPointSize));
    EXPECT_EQ(editor.textCursor().position(), 7);
    EXPECT_FALSE(editor.textCursor().hasSelection());
}

TEST_F(ClipboardCommandsTest, PlainPasteTakesTheFormattingFoundAtTheCaret)
{
    setText(QStringLiteral("ab"));
    QTextCursor all(&story());
    all.select(QTextCursor::Document);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    all.mergeCharFormat(italic);
    select(1, 1);
    putOnClipboard(QStringLiteral("x"));
    commands::VlozitProstyText(editor);
    ASSERT_EQ(text(), QStringLiteral("axb"));
    QTextCursor pasted(&story());
    pasted.setPosition(2);
    EXPECT_TRUE(pasted.charFormat().fontItalic());
}

TEST_F(ClipboardCommandsTest, PlainPasteAtTheCaretDeletesNothingAndIsOneUndoStep)
{
    setText(QStringLiteral("ac"));
    story().clearUndoRedoStacks();
    select(1, 1);
    putOnClipboard(QStringLiteral("first\r\nsecond"));
    commands::VlozitProstyText(editor);
    EXPECT_EQ(text(), QStringLiteral("afirst\nsecondc"));
    EXPECT_EQ(story().blockCount(), 2);
    story().undo();
    EXPECT_EQ(text(), QStringLiteral("ac"));
}

TEST_F(ClipboardCommandsTest, EmptyClipboardTextStillDeletesTheSelection)
{
    setText(QStringLiteral("abc"));
    select(0, 1);
    putOnClipboard(QString());
    commands::VlozitProstyText(editor);
    EXPECT_EQ(text(), QStringLiteral("bc"));
}

TEST_F(ClipboardCommandsTest, APictureOnTheClipboardChangesNothing)
{
    setText(QStringLiteral("abc"));
    select(0, 2);
    putPictureOnClipboard();
    commands::VlozitProstyText(editor);
    commands::InsertClipboardTextAsImage(editor);
    EXPECT_EQ(text(), QStringLiteral("abc"));
    EXPECT_FALSE(story().isUndoAvailable());
}

TEST_F(ClipboardCommandsTest, PicturePasteIsTheMeasuredTextWithMarginsOnWhite)
{
    setText(QStringLiteral("xy"));
    select(0, 2);
    putOnClipboard(QStringLiteral("abc"));
    commands::InsertClipboardTextAsImage(editor);

    const std::vector<QImage> found = pictures();
    ASSERT_EQ(found.size(), 1u);
    const QImage &picture = found.front();
    const QFontMetrics metrics = pictureMetrics();
    EXPECT_EQ(picture.size(), QSize(metrics.horizontalAdvance(QStringLiteral("abc")) + 20, metrics.height() + 10));
    EXPECT_EQ(picture.depth(), 32);
    for (const QPoint corner : {QPoint(0, 0), QPoint(picture.width() - 1, 0), QPoint(0, picture.height() - 1),
                                QPoint(picture.width() - 1, picture.height() - 1)})
        EXPECT_EQ(picture.pixel(corner), qRgb(255, 255, 255)) << corner.x() << "," << corner.y();
    // Nothing is drawn in the margins, and something is drawn inside them.
    const QImage inner = picture.copy(10, 5, picture.width() - 20, picture.height() - 10);
    bool inked = false;
    for (int y = 0; y < inner.height(); ++y)
        for (int x = 0; x < inner.width(); ++x)
            inked = inked || inner.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(inked);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < picture.height(); ++y)
            ASSERT_EQ(picture.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;

    // The selected text stays, before the picture (the selection's active end).
    EXPECT_EQ(text(), QStringLiteral("xy") + QChar(QChar::ObjectReplacementCharacter));
    EXPECT_EQ(selectedText(), QStringLiteral("xy"));
}

TEST_F(ClipboardCommandsTest, TwoLinesOfTextMakeAPictureOfOneLine)
{
    putOnClipboard(QStringLiteral("first\nsecond\tend"));
    commands::InsertClipboardTextAsImage(editor);
    const std::vector<QImage> found = pictures();
    ASSERT_EQ(found.size(), 1u);
    const QFontMetrics metrics = pictureMetrics();
    EXPECT_EQ(found.front().height(), metrics.height() + 10);
    EXPECT_EQ(found.front().width(), metrics.horizontalAdvance(QStringLiteral("first second end")) + 20);
    EXPECT_EQ(story().blockCount(), 1);
}

TEST_F(ClipboardCommandsTest, PicturePasteIsOneUndoStep)
{
    setText(QStringLiteral("a"));
    story().clearUndoRedoStacks();
    putOnClipboard(QStringLiteral("abc"));
    commands::InsertClipboardTextAsImage(editor);
    ASSERT_EQ(pictures().size(), 1u);
    story().undo();
    EXPECT_EQ(text(), QStringLiteral("a"));
    EXPECT_FALSE(story().isUndoAvailable());
}

TEST_F(ClipboardCommandsTest, TextTooLongForAPictureIsRefusedWithAMessage)
{
    setText(QStringLiteral("a"));
    putOnClipboard(QString(20000, QLatin1Char('W')));
    try {
        commands::InsertClipboardTextAsImage(editor);
        FAIL() << "expected an error";
    } catch (const platform::Error &error) {
        EXPECT_EQ(error.message(), QStringLiteral("The text on the clipboard is too long to be pasted as a picture."));
    }
    EXPECT_EQ(text(), QStringLiteral("a"));
}

} // namespace
