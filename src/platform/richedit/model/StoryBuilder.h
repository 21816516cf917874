#pragma once

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextTableFormat>

#include <map>
#include <vector>

class QTextDocument;
class QTextList;

namespace richedit {

class Document;

/// A run of text with one format. An image is a run whose format is a QTextImageFormat and
/// whose text is empty.
struct RunContent {
    // A bookmark's name is its text. A page break only lives here until splitAtPageBreaks.
    enum Kind { Text, BookmarkStart, BookmarkEnd, PageBreak } kind = Text;
    QString text;
    QTextCharFormat format;
};

struct ParagraphContent {
    QTextBlockFormat format;
    std::vector<RunContent> runs;
    QTextCharFormat markFormat; // of the paragraph mark: what an empty paragraph shows
    int listId = -1; // key of Document::lists(), -1 for none
    int listLevel = 0;
};

struct CellContent {
    std::vector<ParagraphContent> paragraphs;
    QTextTableCellFormat format;
    int rowSpan = 1;
    int columnSpan = 1;
    bool covered = false; // hidden under a merged neighbour
};

/// A table as a grid: every row has one cell per column; spans cover their neighbours.
struct TableContent {
    QTextTableFormat format;
    std::vector<std::vector<CellContent>> rows;
};

/// Splits a paragraph at its page breaks into `pieces`, each after a break starting a page (the
/// model breaks pages before paragraphs only). A break before any text breaks before the
/// paragraph itself; one after all the text is not kept as an empty piece: the result is then
/// true and the caller breaks before the paragraph that follows.
bool splitAtPageBreaks(ParagraphContent &paragraph, std::vector<ParagraphContent> &pieces);

/// Appends paragraphs and tables to a story: what both readers need from Qt's cursor
/// (first block reuse, the block Qt keeps after a table, lists shared across the story).
class StoryBuilder {
public:
    StoryBuilder(Document &document, QTextDocument *story);
    ~StoryBuilder();
    StoryBuilder(const StoryBuilder &) = delete;
    StoryBuilder &operator=(const StoryBuilder &) = delete;

    QTextDocument *story() const { return m_story; }
    void addParagraph(const ParagraphContent &paragraph);
    void addTable(const TableContent &table);
    /// Merges a property into the last paragraph added (false when there is none).
    bool setLastParagraphProperty(int property, const QVariant &value);
    /// Sets the bookmarks met in the main story's runs and turns undo back on.
    void finish();
    /// Adds image bytes as a resource of the story and returns its name.
    QString addImage(const QByteArray &bytes);

private:
    void fillParagraph(QTextCursor &cursor, const ParagraphContent &paragraph, bool reuseBlock);
    QTextList *listFor(int listId, int level);

    Document &m_document;
    QTextDocument *m_story;
    QTextCursor m_cursor;
    bool m_blockIsFresh = true;
    std::map<std::pair<int, int>, QTextList *> m_lists;
    int m_imageCount = 0;
    bool m_editing = false; // undo is off until finish()
    bool m_undoWasEnabled = true;
    std::map<QString, int> m_bookmarkStarts;
    std::map<QString, int> m_bookmarkEnds;
};

/// The Qt list style that shows a level of a list best.
QTextListFormat listFormatFor(const Document &document, int listId, int level);

} // namespace richedit
