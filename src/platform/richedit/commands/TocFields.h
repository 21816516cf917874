#pragma once

#include <QString>
#include <QTextCharFormat>
#include <QTextDocument>

#include <vector>

namespace richedit::fields {

// Fields live in the story as runs that carry prop::FieldId and prop::FieldInstruction: the
// runs are the field's result, the instruction says how to compute it again. These helpers
// find fields, give new ones an id of their own and replace a field's result.

/// One field of a story: its id, instruction and the span of its result.
struct FieldRange {
    int id = 0;
    QString instruction;
    int start = 0;
    int end = 0; // one past the last character of the result
};

/// Every field of the story in document order; a field whose result is split by other
/// formats is one range.
std::vector<FieldRange> allFields(const QTextDocument &story);
/// An id no field of the story has yet.
int newFieldId(const QTextDocument &story);
/// The first word of an instruction in capitals ("SEQ", "TOC", "PAGE").
QString fieldType(const QString &instruction);
/// The instruction's words after the type, quotes taken off ("SEQ Figure \* ARABIC" gives
/// "Figure", "\*", "ARABIC").
QStringList fieldArguments(const QString &instruction);
/// The char format of a field's result run.
QTextCharFormat fieldFormat(QTextCharFormat base, int id, const QString &instruction);
/// Replaces the result of the field with `text` in the format of its first character.
void replaceResult(QTextDocument &story, const FieldRange &field, const QString &text);

} // namespace richedit::fields
