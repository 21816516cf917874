#pragma once

#include "EditorCommand.h"

#include <QStringList>

class QTextDocument;

namespace richedit::bookmarks {

// Bookmarks are names carried by the text they mark (the anchor names of its runs); a
// bookmark at a caret marks the character after it, or before it at the end of the text.

/// The bookmark names of the document, sorted.
QStringList bookmarkNames(const QTextDocument &document);
/// Why a name cannot be a bookmark's, empty when it can: it starts with a letter, holds
/// letters, digits and underscores only, and is at most 40 characters long.
QString nameProblem(const QString &name);
/// Marks the selection (or the caret's character) with the name, moving the name there when
/// another place has it. Throws `richedit::Error` for a name that cannot be a bookmark's or an
/// empty document. One undo step.
void addBookmark(RichEditControl &control, const QString &name);
/// Selects the bookmarked text; false when there is no such bookmark.
bool goToBookmark(RichEditControl &control, const QString &name);
/// Removes the name from the text; the text stays. One undo step.
void deleteBookmark(QTextDocument &document, const QString &name);

void showBookmarkForm(CommandContext &context, const QVariant &);

} // namespace richedit::bookmarks
