#include "SelectionFormat.h"

#include "platform/richedit/view/RichEditControl.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

#include <vector>

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

std::vector<SelectedRun> selectedRuns(const QTextCursor &cursor)
{
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    std::vector<SelectedRun> runs;
    const QTextDocument *document = cursor.document();
    for (QTextBlock block = document->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(fragment.position(), start);
            const int to = std::min(fragment.position() + fragment.length(), end);
            if (from < to)
                runs.push_back({from, to, fragment.charFormat()});
        }
    }
    return runs;
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
    std::vector<SelectedRun> runs = selectedRuns(cursor);
    QTextCursor piece(cursor.document());
    piece.beginEditBlock();
    for (SelectedRun &run : runs) {
        change(run.format);
        piece.setPosition(run.from);
        piece.setPosition(run.to, QTextCursor::KeepAnchor);
        piece.setCharFormat(run.format);
    }
    piece.endEditBlock();
}

std::vector<QTextBlock> selectedBlocks(const QTextCursor &selection)
{
    QTextDocument *document = selection.document();
    std::vector<QTextBlock> blocks;
    const QTextBlock last = document->findBlock(selection.selectionEnd());
    for (QTextBlock b = document->findBlock(selection.selectionStart()); b.isValid(); b = b.next()) {
        blocks.push_back(b);
        if (b == last)
            break;
    }
    return blocks;
}

void changeBlockFormat(RichEditControl &control, const std::function<void(QTextBlockFormat &)> &change)
{
    const QTextCursor cursor = control.textCursor();
    const std::vector<QTextBlock> blocks = selectedBlocks(cursor);
    QTextCursor editor(cursor.document());
    editor.beginEditBlock();
    for (const QTextBlock &block : blocks) {
        QTextBlockFormat format = block.blockFormat();
        change(format);
        editor.setPosition(block.position());
        editor.setBlockFormat(format);
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
