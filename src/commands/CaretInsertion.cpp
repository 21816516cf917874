#include "CaretInsertion.h"

#include "platform/richedit/model/Units.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QImage>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <QUuid>

#include <functional>

namespace commands {
namespace {

/// Paragraph breaks as the text cursor understands them: it would turn "\r\n" into two.
QString withParagraphBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

/// Runs `insert` on a cursor at the caret, then puts back the user's selection over the same
/// characters; the caret stays next to the new content.
void insertAtCaret(richedit::RichEditControl &editor, const std::function<void(QTextCursor &)> &insert)
{
    if (editor.isReadOnly()) // a protected document
        return;
    const QTextCursor caret = editor.textCursor();
    const int anchor = caret.anchor();
    const int position = caret.position();
    QTextCursor at(caret.document());
    at.setPosition(position);
    {
        EditBlock step(at);
        insert(at);
    }
    const int added = at.position() - position;

    QTextCursor after(caret.document());
    if (anchor == position) {
        after.setPosition(position + added);
    } else if (position < anchor) { // the selected text now starts after the insertion
        after.setPosition(anchor + added);
        after.setPosition(position + added, QTextCursor::KeepAnchor);
    } else {
        after.setPosition(anchor);
        after.setPosition(position, QTextCursor::KeepAnchor);
    }
    editor.setTextCursor(after);
}

} // namespace

QTextDocument *activeStory(richedit::RichEditControl &editor)
{
    return editor.textCursor().document();
}

void InsertText(richedit::RichEditControl &editor, const QString &text)
{
    const QString paragraphs = withParagraphBreaks(text);
    insertAtCaret(editor, [&](QTextCursor &at) { at.insertText(paragraphs); });
}

void InsertImage(richedit::RichEditControl &editor, const QImage &picture, qreal dotsPerInch)
{
    QTextDocument *story = activeStory(editor);
    const QUrl name(QStringLiteral("tavel-picture:") + QUuid::createUuid().toString(QUuid::WithoutBraces));
    story->addResource(QTextDocument::ImageResource, name, picture);
    QTextImageFormat format;
    format.setName(name.toString());
    const qreal scale = richedit::layoutDpi / dotsPerInch;
    format.setWidth(picture.width() * scale);
    format.setHeight(picture.height() * scale);
    insertAtCaret(editor, [&](QTextCursor &at) { at.insertImage(format); });
}

void ReplaceSelection(richedit::RichEditControl &editor, const QString &text)
{
    if (editor.isReadOnly())
        return;
    QTextCursor cursor = editor.textCursor();
    {
        EditBlock step(cursor);
        cursor.removeSelectedText();
        cursor.insertText(withParagraphBreaks(text));
    }
    editor.setTextCursor(cursor);
}

} // namespace commands
