#pragma once

#include <QString>

class QTextDocument;

namespace richedit {

enum class NoteKind { Footnote, Endnote, Comment };

/// A footnote, endnote or comment: its own story, referred to from the main story by a run
/// whose format carries prop::NoteReference with the note's id. The run's text is the mark
/// the reader shows there ("1", "[AB1]"); writers number notes themselves, so a mark the user
/// typed over is written as ordinary text after the reference.
struct Note {
    NoteKind kind = NoteKind::Footnote;
    QTextDocument *story = nullptr; // owned by the Document
    QString mark;
    QString author;   // comments only
    QString initials; // comments only
};

/// The mark a reader shows for the `number`th note of a kind: "1" for footnotes, "i" for
/// endnotes (as word processors number them by default), "[AB1]" for comments.
QString noteMark(NoteKind kind, int number, const QString &initials);

} // namespace richedit
