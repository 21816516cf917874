#include "SectionEdit.h"

#include "platform/richedit/model/Properties.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QAbstractUndoItem>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace richedit::pagesetup {
namespace {

void restore(Document &document, const PageSetupState &state)
{
    document.setSections(state.sections);
    document.setPageColor(state.pageColor);
}

/// One end of a page setup edit on the story's undo stack. Qt undoes an edit block from its
/// last entry to its first and redoes it the other way, so the sections are put back by an
/// item at the start of the block on undo and by one at its end on redo: each time after
/// Qt has restored the story's own part of the edit (the root frame's margins among it).
class PageSetupUndo final : public QAbstractUndoItem {
public:
    enum Direction { OnUndo, OnRedo };
    PageSetupUndo(Document &document, PageSetupState state, Direction direction, int insertedSection)
        : m_document(document), m_state(std::move(state)), m_direction(direction), m_insertedSection(insertedSection)
    {
    }
    void undo() override
    {
        if (m_direction != OnUndo)
            return;
        if (m_insertedSection >= 0)
            m_document.removeSectionHeaderFooters(m_insertedSection);
        restore(m_document, m_state);
    }
    void redo() override
    {
        if (m_direction != OnRedo)
            return;
        if (m_insertedSection >= 0)
            m_document.insertSectionHeaderFooters(m_insertedSection);
        restore(m_document, m_state);
    }

private:
    // The story owns this item and the document owns the story, so the document outlives it.
    Document &m_document;
    PageSetupState m_state;
    Direction m_direction;
    int m_insertedSection; // >= 0: the edit inserted a section there
};

} // namespace

PageSetupState pageSetupOf(const Document &document)
{
    return {document.sections(), document.pageColor()};
}

int sectionAt(const Document &document, int position)
{
    const QTextDocument *story = document.mainStory();
    const QTextBlock at = story->findBlock(position);
    const int last = int(document.sections().size()) - 1;
    int index = 0;
    for (QTextBlock block = story->begin(); block.isValid() && block != at && index < last; block = block.next())
        if (block.blockFormat().boolProperty(prop::SectionEnd))
            ++index;
    return index;
}

SectionRange selectedSections(const RichEditControl &control)
{
    const QTextCursor cursor = control.textCursor();
    const Document &document = control.document();
    return {sectionAt(document, cursor.selectionStart()), sectionAt(document, cursor.selectionEnd())};
}

namespace {

/// Runs `edit` (which changes the story and gives the page setup `after`) as one undo step.
/// `insertedSection` >= 0 says that the edit inserts a section there, whose header and
/// footer stories are then moved with it.
void recordEdit(RichEditControl &control, const PageSetupState &after, int insertedSection,
                const std::function<void(QTextCursor &)> &edit)
{
    Document &document = control.document();
    QTextDocument *story = document.mainStory();
    QTextCursor cursor = control.textCursor();
    cursor.beginEditBlock();
    story->appendUndoItem(new PageSetupUndo(document, pageSetupOf(document), PageSetupUndo::OnUndo, insertedSection));
    if (edit)
        edit(cursor);
    document.setRecordingPageSetup(true);
    try {
        if (insertedSection >= 0)
            document.insertSectionHeaderFooters(insertedSection);
        restore(document, after);
    } catch (...) {
        document.setRecordingPageSetup(false);
        cursor.endEditBlock();
        throw;
    }
    document.setRecordingPageSetup(false);
    story->appendUndoItem(new PageSetupUndo(document, after, PageSetupUndo::OnRedo, insertedSection));
    cursor.endEditBlock();
    if (edit)
        control.setTextCursor(cursor);
}

} // namespace

void changePageSetup(RichEditControl &control, const PageSetupState &after)
{
    if (pageSetupOf(control.document()) == after)
        return;
    recordEdit(control, after, -1, {});
}

void insertSectionBreak(RichEditControl &control, SectionStart start)
{
    const Document &document = control.document();
    const int index = sectionAt(document, control.textCursor().selectionStart());
    PageSetupState after = pageSetupOf(document);
    Section second = after.sections.at(std::size_t(index));
    second.start = start;
    second.pageNumberStart = 0; // the page numbers run on
    after.sections.insert(after.sections.begin() + index + 1, second);
    recordEdit(control, after, index + 1, [](QTextCursor &cursor) {
        cursor.removeSelectedText();
        QTextBlockFormat first = cursor.blockFormat();
        QTextBlockFormat rest = first;
        first.setProperty(prop::SectionEnd, true);
        // The new section starts a page of its own; a page break of the split paragraph
        // stays with its first part.
        rest.setPageBreakPolicy(rest.pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysBefore);
        cursor.insertBlock(rest);
        QTextCursor previous = cursor;
        previous.movePosition(QTextCursor::PreviousBlock);
        previous.setBlockFormat(first);
    });
}

} // namespace richedit::pagesetup
