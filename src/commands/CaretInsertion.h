#pragma once

#include <QString>
#include <QTextCursor>

class QImage;
class QTextDocument;

namespace richedit {
class RichEditControl;
}

namespace commands {

/// The story that holds the caret: the main text today, and a header, footer or text box
/// once the editor edits them in place. Every insertion of the commands goes through here.
QTextDocument *activeStory(richedit::RichEditControl &editor);

/// Inserts `text` at the caret (the active end of a selection) of the active story, as one
/// undo step. Selected text is not replaced and stays selected; without a selection the caret
/// moves past the new text. Line breaks ("\n", "\r\n", "\r") start new paragraphs.
void InsertText(richedit::RichEditControl &editor, const QString &text);

/// Inserts `picture` at the caret the same way. The story keeps its own copy as an image
/// resource; `dotsPerInch` is the resolution at which the picture shows at its natural size.
void InsertImage(richedit::RichEditControl &editor, const QImage &picture, qreal dotsPerInch);

/// Deletes the selection, if any, and inserts `text` in its place as unformatted text (it takes
/// the formatting found at that place), as one undo step; the caret ends after the text.
void ReplaceSelection(richedit::RichEditControl &editor, const QString &text);

/// Groups the edits of its lifetime into one undo step, and closes the group on every way out.
class EditBlock {
public:
    explicit EditBlock(QTextCursor cursor) : m_cursor(std::move(cursor)) { m_cursor.beginEditBlock(); }
    ~EditBlock() { m_cursor.endEditBlock(); }
    EditBlock(const EditBlock &) = delete;
    EditBlock &operator=(const EditBlock &) = delete;

private:
    QTextCursor m_cursor;
};

} // namespace commands
