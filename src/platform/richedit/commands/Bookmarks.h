#pragma once

#include "EditorCommand.h"

#include <QStringList>

namespace richedit {
class Document;
}

namespace richedit::bookmarks {

// Bookmarks are the document model's own, so the ones a file brings are listed and the ones
// added here are saved; a bookmark at a caret marks the character after it, or before it at
// the end of the text.

/// The bookmark names of the document, sorted.
QStringList bookmarkNames(const Document &document);
/// Why a name cannot be a bookmark's, empty when it can: it starts with a letter, holds
/// letters, digits and underscores only, and is at most 40 characters long.
QString nameProblem(const QString &name);
/// Marks the selection (or the caret's character) with the name, moving the name there when
/// another place has it. Throws `richedit::Error` for a name that cannot be a bookmark's or an
/// empty document.
void addBookmark(RichEditControl &control, const QString &name);
/// Selects the bookmarked text; false when there is no such bookmark.
bool goToBookmark(RichEditControl &control, const QString &name);
/// Removes the bookmark; the text stays.
void deleteBookmark(Document &document, const QString &name);

void showBookmarkForm(CommandContext &context, const QVariant &);

} // namespace richedit::bookmarks
