#include "StoryBuilder.h"

#include "Document.h"
#include "Properties.h"

#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

namespace richedit {

QTextListFormat listFormatFor(const Document &document, int listId, int level)
{
    QTextListFormat format;
    format.setIndent(level + 1);
    format.setProperty(prop::ListId, listId);
    format.setProperty(prop::ListLevelIndex, level);
    const auto it = document.lists().find(listId);
    const ListLevel definition = it == document.lists().end() ? ListLevel{} : it->second.levels[std::size_t(level)];
    switch (definition.format) {
    case NumberFormat::Bullet:
        format.setStyle(level % 3 == 0 ? QTextListFormat::ListDisc
                                       : (level % 3 == 1 ? QTextListFormat::ListCircle : QTextListFormat::ListSquare));
        break;
    case NumberFormat::Decimal: format.setStyle(QTextListFormat::ListDecimal); break;
    case NumberFormat::LowerLetter: format.setStyle(QTextListFormat::ListLowerAlpha); break;
    case NumberFormat::UpperLetter: format.setStyle(QTextListFormat::ListUpperAlpha); break;
    case NumberFormat::LowerRoman: format.setStyle(QTextListFormat::ListLowerRoman); break;
    case NumberFormat::UpperRoman: format.setStyle(QTextListFormat::ListUpperRoman); break;
    case NumberFormat::None: format.setStyle(QTextListFormat::ListStyleUndefined); break;
    }
    if (definition.format != NumberFormat::Bullet) {
        // "%1." shows as a suffix; multi-level texts show only their own number.
        const QString marker = QStringLiteral("%%1").arg(level + 1);
        const qsizetype at = definition.text.indexOf(marker);
        if (at >= 0) {
            format.setNumberPrefix(definition.text.left(at).contains(QLatin1Char('%')) ? QString()
                                                                                        : definition.text.left(at));
            format.setNumberSuffix(definition.text.mid(at + marker.size()));
        }
    }
    return format;
}

bool splitAtPageBreaks(ParagraphContent &paragraph, std::vector<ParagraphContent> &pieces)
{
    const auto isBreak = [](const RunContent &run) { return run.kind == RunContent::PageBreak; };
    if (std::none_of(paragraph.runs.begin(), paragraph.runs.end(), isBreak)) {
        pieces.push_back(std::move(paragraph));
        return false;
    }
    const auto hasText = [](const ParagraphContent &piece) {
        return std::any_of(piece.runs.begin(), piece.runs.end(), [](const RunContent &run) {
            return run.kind == RunContent::Text && (!run.text.isEmpty() || run.format.isImageFormat());
        });
    };
    ParagraphContent piece = paragraph;
    piece.runs.clear();
    bool breakPending = false;
    for (RunContent &run : paragraph.runs) {
        if (!isBreak(run)) {
            piece.runs.push_back(std::move(run));
            continue;
        }
        if (!hasText(piece) && pieces.empty()) {
            piece.format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            continue;
        }
        pieces.push_back(std::move(piece));
        piece = ParagraphContent{};
        piece.format = paragraph.format;
        piece.format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        piece.markFormat = paragraph.markFormat;
        breakPending = true;
    }
    if (breakPending && !hasText(piece) && !pieces.empty()) {
        // Bookmarks at the very end stay with the text before the break.
        for (RunContent &run : piece.runs)
            pieces.back().runs.push_back(std::move(run));
        return true;
    }
    pieces.push_back(std::move(piece));
    return false;
}

StoryBuilder::StoryBuilder(Document &document, QTextDocument *story)
    : m_document(document), m_story(story), m_cursor(story)
{
    // setPosition, not movePosition: moving lays the block out, which a reader never needs.
    m_cursor.setPosition(story->characterCount() - 1);
    // A story with text already goes on in a new paragraph.
    m_blockIsFresh = story->characterCount() <= 1;
    // Reading is not an edit the user can undo: Qt need not record every insertion.
    // (One edit block around it all would also save the notifications, but tables built
    // inside an open block come out wrong.)
    m_undoWasEnabled = story->isUndoRedoEnabled();
    story->setUndoRedoEnabled(false);
    m_editing = true;
}

StoryBuilder::~StoryBuilder()
{
    if (m_editing)
        m_story->setUndoRedoEnabled(m_undoWasEnabled);
}

QTextList *StoryBuilder::listFor(int listId, int level)
{
    QTextList *&list = m_lists[{listId, level}];
    if (!list)
        list = m_cursor.createList(listFormatFor(m_document, listId, level));
    else
        list->add(m_cursor.block());
    return list;
}

void StoryBuilder::fillParagraph(QTextCursor &cursor, const ParagraphContent &paragraph, bool reuseBlock)
{
    if (reuseBlock)
        cursor.setBlockFormat(paragraph.format);
    else
        cursor.insertBlock(paragraph.format);
    // The first block of a table cell keeps the cell's own format (spans, shading) as its
    // block character format; it must not be overwritten.
    const bool firstInCell = cursor.currentTable() && reuseBlock;
    bool hasText = false;
    for (const RunContent &run : paragraph.runs)
        hasText = hasText || (run.kind == RunContent::Text && (!run.text.isEmpty() || run.format.isImageFormat()));
    if (!firstInCell) {
        if (!hasText && !paragraph.markFormat.properties().isEmpty())
            cursor.setBlockCharFormat(paragraph.markFormat);
        else if (hasText && !paragraph.runs.front().format.isImageFormat())
            cursor.setBlockCharFormat(paragraph.runs.front().format);
    }
    // Inside an edit block Qt does not lay the paragraph out after every insertion to find
    // the cursor's x position, which is most of what inserting costs. (One block around a
    // whole table makes Qt build the table wrong; one paragraph at a time is safe.)
    cursor.beginEditBlock();
    for (const RunContent &run : paragraph.runs) {
        if (run.kind == RunContent::BookmarkStart)
            m_bookmarkStarts[run.text] = cursor.position();
        else if (run.kind == RunContent::BookmarkEnd)
            m_bookmarkEnds[run.text] = cursor.position();
        else if (run.format.isImageFormat())
            cursor.insertImage(run.format.toImageFormat());
        else if (!run.text.isEmpty())
            cursor.insertText(run.text, run.format);
    }
    cursor.endEditBlock();
}

void StoryBuilder::addParagraph(const ParagraphContent &paragraph)
{
    fillParagraph(m_cursor, paragraph, m_blockIsFresh);
    m_blockIsFresh = false;
    if (paragraph.listId >= 0 && paragraph.listLevel >= 0 && paragraph.listLevel < 9)
        listFor(paragraph.listId, paragraph.listLevel);
}

void StoryBuilder::addTable(const TableContent &table)
{
    const int rows = static_cast<int>(table.rows.size());
    const int columns = rows ? static_cast<int>(table.rows.front().size()) : 0;
    if (rows == 0 || columns == 0)
        return;
    QTextTable *qtTable = m_cursor.insertTable(rows, columns, table.format);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const CellContent &cell = table.rows[std::size_t(r)][std::size_t(c)];
            if (cell.covered)
                continue;
            const int rowSpan = std::clamp(cell.rowSpan, 1, rows - r);
            const int columnSpan = std::clamp(cell.columnSpan, 1, columns - c);
            if (rowSpan > 1 || columnSpan > 1)
                qtTable->mergeCells(r, c, rowSpan, columnSpan);
            QTextTableCell qtCell = qtTable->cellAt(r, c);
            // Spans live in the cell's format: a format without them would undo the merge.
            QTextTableCellFormat format = cell.format;
            format.setTableCellRowSpan(rowSpan);
            format.setTableCellColumnSpan(columnSpan);
            qtCell.setFormat(format);
            QTextCursor cellCursor = qtCell.firstCursorPosition();
            bool first = true;
            for (const ParagraphContent &paragraph : cell.paragraphs) {
                fillParagraph(cellCursor, paragraph, first);
                first = false;
            }
        }
    m_cursor.setPosition(qtTable->lastPosition() + 1);
    m_blockIsFresh = true;
}

bool StoryBuilder::setLastParagraphProperty(int property, const QVariant &value)
{
    if (m_blockIsFresh)
        return false;
    QTextBlockFormat format;
    format.setProperty(property, value);
    m_cursor.mergeBlockFormat(format);
    return true;
}

void StoryBuilder::finish()
{
    if (m_editing) {
        m_story->setUndoRedoEnabled(m_undoWasEnabled);
        m_editing = false;
    }
    const bool main = m_story == m_document.mainStory();
    for (const auto &[name, start] : m_bookmarkStarts) {
        const auto found = m_bookmarkEnds.find(name);
        const int end = found == m_bookmarkEnds.end() ? start : std::max(start, found->second);
        if (main)
            m_document.setBookmark(name, start, end);
        else
            m_document.setStoryBookmark(m_story, name, start, end);
    }
}

QString StoryBuilder::addImage(const QByteArray &bytes)
{
    const QString name = QStringLiteral("tavel-image:%1").arg(++m_imageCount);
    // The original bytes stay the resource, so writers save the picture exactly as read.
    m_story->addResource(QTextDocument::ImageResource, QUrl(name), bytes);
    return name;
}

} // namespace richedit
