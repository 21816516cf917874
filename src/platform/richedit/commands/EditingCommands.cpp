#include "EditingCommands.h"

#include "CommandTexts.h"
#include "EditorDialogs.h"
#include "SelectionFormat.h"
#include "TextSearch.h"
#include "platform/richedit/Error.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QTextDocumentFragment>
#include <QTextTable>
#include <QUrl>
#include <QUuid>

#include <cmath>

namespace richedit::editing {
namespace {

constexpr qreal minimumZoom = 0.1;
constexpr qreal maximumZoom = 5.0;

SearchOptions options(const CommandSession &session)
{
    return {session.matchCase, session.wholeWord};
}

/// The width text can take on the first page, in layout units.
qreal textWidth(RichEditControl &control)
{
    const QTextDocument *story = control.activeStory();
    const qreal width = story->pageSize().width() - 2 * story->documentMargin();
    return width > 0 ? width : story->textWidth();
}

/// Adds the image to the story's resources under a fresh name and inserts it at the caret,
/// no wider than the text.
void insertImage(RichEditControl &control, const QImage &image)
{
    QTextDocument *story = control.activeStory();
    const QString name = QStringLiteral("image:") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    story->addResource(QTextDocument::ImageResource, QUrl(name), image);
    const qreal dotsPerInch = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : layoutDpi;
    qreal width = image.width() * layoutDpi / dotsPerInch;
    qreal height = image.height() * layoutDpi / dotsPerInch;
    const qreal available = textWidth(control);
    if (available > 0 && width > available) {
        height *= available / width;
        width = available;
    }
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(width);
    format.setHeight(height);
    QTextCursor cursor = control.textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertImage(format);
    cursor.endEditBlock();
    control.setTextCursor(cursor);
}

} // namespace

void pasteSelection(CommandContext &context, const QVariant &)
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data)
        return;
    QTextCursor cursor = context.control.textCursor();
    if (data->hasHtml() || data->hasText()) {
        cursor.beginEditBlock();
        cursor.removeSelectedText();
        if (data->hasHtml())
            cursor.insertFragment(QTextDocumentFragment::fromHtml(data->html(), context.control.activeStory()));
        else
            cursor.insertText(data->text());
        cursor.endEditBlock();
        context.control.setTextCursor(cursor);
    } else if (data->hasImage()) {
        insertImage(context.control, qvariant_cast<QImage>(data->imageData()));
    }
}

bool canPaste(const CommandContext &)
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && (data->hasText() || data->hasHtml() || data->hasImage());
}

void copySelection(CommandContext &context, const QVariant &)
{
    const QTextCursor cursor = context.control.textCursor();
    if (!cursor.hasSelection())
        return;
    const QTextDocumentFragment fragment(cursor);
    auto *data = new QMimeData;
    data->setHtml(fragment.toHtml());
    // Paragraph separators in the selection become ordinary line ends for other programs.
    data->setText(fragment.toPlainText());
    QApplication::clipboard()->setMimeData(data);
}

void cutSelection(CommandContext &context, const QVariant &argument)
{
    copySelection(context, argument);
    QTextCursor cursor = context.control.textCursor();
    cursor.removeSelectedText();
    context.control.setTextCursor(cursor);
}

bool hasSelection(const CommandContext &context)
{
    return context.control.textCursor().hasSelection();
}

void undo(CommandContext &context, const QVariant &)
{
    QTextCursor cursor = context.control.textCursor();
    context.control.activeStory()->undo(&cursor);
    context.control.setTextCursor(cursor);
}

bool canUndo(const CommandContext &context)
{
    return context.control.activeStory()->isUndoAvailable();
}

void redo(CommandContext &context, const QVariant &)
{
    QTextCursor cursor = context.control.textCursor();
    context.control.activeStory()->redo(&cursor);
    context.control.setTextCursor(cursor);
}

bool canRedo(const CommandContext &context)
{
    return context.control.activeStory()->isRedoAvailable();
}

void selectAll(CommandContext &context, const QVariant &)
{
    QTextCursor cursor = context.control.textCursor();
    cursor.select(QTextCursor::Document);
    context.control.setTextCursor(cursor);
}

qreal nextZoom(qreal zoom, bool in)
{
    const qreal tenths = zoom * 10;
    const qreal next = in ? std::floor(tenths + 1e-6) + 1 : std::ceil(tenths - 1e-6) - 1;
    return std::clamp(next / 10, minimumZoom, maximumZoom);
}

void zoomIn(CommandContext &context, const QVariant &)
{
    context.control.setZoomFactor(nextZoom(context.control.zoomFactor(), true));
}

bool canZoomIn(const CommandContext &context)
{
    return context.control.zoomFactor() < maximumZoom - 1e-6;
}

void zoomOut(CommandContext &context, const QVariant &)
{
    context.control.setZoomFactor(nextZoom(context.control.zoomFactor(), false));
}

bool canZoomOut(const CommandContext &context)
{
    return context.control.zoomFactor() > minimumZoom + 1e-6;
}

void searchFind(CommandContext &context, const QVariant &)
{
    const QTextCursor cursor = context.control.textCursor();
    // A short selection within one paragraph is what the user wants to look for.
    if (cursor.hasSelection() && !cursor.selectedText().contains(QChar::ParagraphSeparator))
        context.session.searchText = cursor.selectedText();
    context.dialogs.showFindReplace(context.control, context.session, false);
}

void searchReplace(CommandContext &context, const QVariant &)
{
    const QTextCursor cursor = context.control.textCursor();
    if (cursor.hasSelection() && !cursor.selectedText().contains(QChar::ParagraphSeparator))
        context.session.searchText = cursor.selectedText();
    context.dialogs.showFindReplace(context.control, context.session, true);
}

void searchFindNext(CommandContext &context, const QVariant &)
{
    const QTextCursor found = findNext(*context.control.activeStory(), context.session.searchText,
                                       context.control.textCursor(), options(context.session));
    if (found.isNull()) {
        context.dialogs.information(commandText("The search item \"%1\" was not found.").arg(context.session.searchText));
        return;
    }
    context.control.setTextCursor(found);
}

bool hasSearchText(const CommandContext &context)
{
    return !context.session.searchText.isEmpty();
}

void insertPageBreak(CommandContext &context, const QVariant &)
{
    QTextCursor cursor = context.control.textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertBlock();
    QTextBlockFormat format = cursor.blockFormat();
    format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(format);
    cursor.endEditBlock();
    context.control.setTextCursor(cursor);
}

void insertPictureFile(RichEditControl &control, const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        throw Error(commandText("The picture \"%1\" cannot be inserted: %2.")
                        .arg(QFileInfo(path).fileName(), reader.errorString()));
    insertImage(control, image);
}

void insertPicture(CommandContext &context, const QVariant &path)
{
    std::optional<QString> file;
    if (path.isValid() && !path.toString().isEmpty())
        file = path.toString();
    else
        file = context.dialogs.pictureFile();
    if (file)
        insertPictureFile(context.control, *file);
}

void insertTable(RichEditControl &control, int columns, int rows)
{
    QTextTableFormat format;
    // One layout unit, the thinnest border the layout draws between collapsed cells.
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(Qt::black);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(4);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> widths;
    for (int i = 0; i < columns; ++i)
        widths << QTextLength(QTextLength::PercentageLength, 100.0 / columns);
    format.setColumnWidthConstraints(widths);
    QTextCursor cursor = control.textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    QTextTable *table = cursor.insertTable(rows, columns, format);
    cursor.endEditBlock();
    control.setTextCursor(table->cellAt(0, 0).firstCursorPosition());
}

void showSymbolForm(CommandContext &context, const QVariant &)
{
    const std::optional<SymbolChoice> choice = context.dialogs.symbolForm(selectionFontFamily(context.control));
    if (!choice || choice->symbol.isEmpty())
        return;
    QTextCursor cursor = context.control.textCursor();
    QTextCharFormat format = cursor.charFormat();
    format.setFontFamilies(QStringList{choice->family});
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertText(choice->symbol, format);
    cursor.endEditBlock();
    context.control.setTextCursor(cursor);
}

void showInsertTableForm(CommandContext &context, const QVariant &)
{
    const std::optional<QSize> size = context.dialogs.insertTableForm();
    if (!size || size->width() < 1 || size->height() < 1)
        return;
    insertTable(context.control, size->width(), size->height());
}

} // namespace richedit::editing
