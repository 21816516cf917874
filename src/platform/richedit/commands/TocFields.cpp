#include "TocFields.h"

#include "platform/richedit/model/Properties.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace richedit::fields {

std::vector<FieldRange> allFields(const QTextDocument &story)
{
    std::vector<FieldRange> fields;
    for (QTextBlock block = story.begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const int id = format.intProperty(prop::FieldId);
            if (id <= 0)
                continue;
            const int start = fragment.position();
            const int end = start + fragment.length();
            // A result split into runs (or paragraphs) continues the field it belongs to.
            auto same = std::find_if(fields.rbegin(), fields.rend(), [&](const FieldRange &f) { return f.id == id; });
            if (same != fields.rend() && same->end >= start - 1 && same == fields.rbegin()) {
                same->end = end;
                continue;
            }
            fields.push_back({id, format.stringProperty(prop::FieldInstruction).trimmed(), start, end});
        }
    }
    return fields;
}

int newFieldId(const QTextDocument &story)
{
    int highest = 0;
    for (QTextBlock block = story.begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
            highest = std::max(highest, it.fragment().charFormat().intProperty(prop::FieldId));
    return highest + 1;
}

QString fieldType(const QString &instruction)
{
    return instruction.trimmed().section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty).toUpper();
}

QStringList fieldArguments(const QString &instruction)
{
    static const QRegularExpression word(QStringLiteral(R"re("([^"]*)"|(\S+))re"));
    QStringList words;
    for (const QRegularExpressionMatch &match : word.globalMatch(instruction))
        words << (match.capturedStart(1) >= 0 ? match.captured(1) : match.captured(2));
    if (!words.isEmpty())
        words.removeFirst();
    return words;
}

QTextCharFormat fieldFormat(QTextCharFormat base, int id, const QString &instruction)
{
    base.setProperty(prop::FieldId, id);
    base.setProperty(prop::FieldInstruction, instruction);
    return base;
}

void replaceResult(QTextDocument &story, const FieldRange &field, const QString &text)
{
    QTextCursor cursor(&story);
    cursor.setPosition(field.start + 1);
    const QTextCharFormat format = cursor.charFormat();
    cursor.setPosition(field.start);
    cursor.setPosition(field.end, QTextCursor::KeepAnchor);
    cursor.insertText(text, format);
}

} // namespace richedit::fields
