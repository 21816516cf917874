#include "SelectionFormat.h"

#include "platform/richedit/view/RichEditControl.h"

#include <QTextBlock>
#include <QTextDocument>

namespace richedit {

QTextCharFormat selectionCharFormat(const QTextCursor &cursor)
{
    if (!cursor.hasSelection())
        return cursor.charFormat();
    QTextCursor first(cursor.document());
    first.setPosition(cursor.selectionStart());
    first.movePosition(QTextCursor::NextCharacter);
    return first.charFormat();
}

void changeCharFormat(RichEditControl &control, const std::function<void(QTextCharFormat &)> &change)
{
    QTextCursor cursor = control.textCursor();
    if (!cursor.hasSelection()) {
        QTextCharFormat format = cursor.charFormat();
        change(format);
        cursor.setCharFormat(format);
        control.setTextCursor(cursor);
        return;
    }
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    QTextDocument *document = cursor.document();
    QTextCursor piece(document);
    piece.beginEditBlock();
    for (QTextBlock block = document->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(fragment.position(), start);
            const int to = std::min(fragment.position() + fragment.length(), end);
            if (from >= to)
                continue;
            QTextCharFormat format = fragment.charFormat();
            change(format);
            piece.setPosition(from);
            piece.setPosition(to, QTextCursor::KeepAnchor);
            piece.setCharFormat(format);
        }
    }
    piece.endEditBlock();
}

void changeBlockFormat(RichEditControl &control, const std::function<void(QTextBlockFormat &)> &change)
{
    const QTextCursor cursor = control.textCursor();
    QTextDocument *document = cursor.document();
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    QTextCursor editor(document);
    editor.beginEditBlock();
    for (QTextBlock block = document->findBlock(cursor.selectionStart()); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        change(format);
        editor.setPosition(block.position());
        editor.setBlockFormat(format);
        if (block == last)
            break;
    }
    editor.endEditBlock();
}

QString selectionFontFamily(const RichEditControl &control)
{
    const QStringList families = selectionCharFormat(control.textCursor()).fontFamilies().toStringList();
    return families.isEmpty() ? control.document().defaultFont().family() : families.first();
}

qreal selectionFontSize(const RichEditControl &control)
{
    const qreal size = selectionCharFormat(control.textCursor()).fontPointSize();
    return size > 0 ? size : control.document().defaultFont().pointSizeF();
}

} // namespace richedit
