#include "TextSearch.h"

#include <QTextDocument>

namespace richedit {
namespace {

QTextDocument::FindFlags flags(SearchOptions options)
{
    QTextDocument::FindFlags f;
    if (options.matchCase)
        f |= QTextDocument::FindCaseSensitively;
    if (options.wholeWord)
        f |= QTextDocument::FindWholeWords;
    return f;
}

} // namespace

QTextCursor findNext(QTextDocument &document, const QString &text, const QTextCursor &from, SearchOptions options)
{
    if (text.isEmpty())
        return {};
    QTextCursor start(&document);
    start.setPosition(from.isNull() ? 0 : from.selectionEnd());
    QTextCursor found = document.find(text, start, flags(options));
    if (found.isNull() && start.position() > 0)
        found = document.find(text, 0, flags(options));
    return found;
}

int replaceAll(QTextDocument &document, const QString &text, const QString &replacement, SearchOptions options)
{
    if (text.isEmpty())
        return 0;
    int count = 0;
    QTextCursor editor(&document);
    QTextCursor found = document.find(text, 0, flags(options));
    while (!found.isNull()) {
        if (count == 0)
            editor.beginEditBlock();
        found.insertText(replacement);
        ++count;
        found = document.find(text, found.position(), flags(options));
    }
    if (count > 0)
        editor.endEditBlock();
    return count;
}

bool replaceSelection(QTextCursor &selection, const QString &text, const QString &replacement,
                      SearchOptions options)
{
    if (!selection.hasSelection())
        return false;
    QTextCursor probe(selection.document());
    probe.setPosition(selection.selectionStart());
    const QTextCursor found = selection.document()->find(text, probe, flags(options));
    if (found.isNull() || found.selectionStart() != selection.selectionStart()
        || found.selectionEnd() != selection.selectionEnd())
        return false;
    const int start = selection.selectionStart();
    selection.insertText(replacement);
    selection.setPosition(start);
    selection.setPosition(start + int(replacement.size()), QTextCursor::KeepAnchor);
    return true;
}

} // namespace richedit
