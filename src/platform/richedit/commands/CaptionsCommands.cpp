#include "CaptionsCommands.h"

#include "TocFields.h"
#include "platform/richedit/model/Properties.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QCoreApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <map>

namespace richedit::captions {
namespace {

const QString captionStyleId = QStringLiteral("Caption");

/// The Caption paragraph style, added to the document when it has none.
const Style &captionStyle(StyleSheet &styles)
{
    if (!styles.find(captionStyleId)) {
        Style style;
        style.id = captionStyleId;
        style.name = QStringLiteral("caption");
        style.basedOn = styles.defaultStyleId(StyleType::Paragraph);
        style.next = style.basedOn;
        style.charFormat.setFontWeight(QFont::Bold);
        style.charFormat.setFontPointSize(9);
        style.charFormat.setForeground(QColor(0x1f, 0x4e, 0x79));
        style.blockFormat.setBottomMargin(twipsToLayout(200));
        styles.add(style);
    }
    return *styles.find(captionStyleId);
}

} // namespace

QString sequenceName(CaptionKind kind)
{
    static const char *const names[] = {"Figure", "Table", "Equation"};
    return QString::fromLatin1(names[int(kind)]);
}

QString label(CaptionKind kind)
{
    switch (kind) {
    case CaptionKind::Figure:
        return QCoreApplication::translate("richedit::Captions", "Figure");
    case CaptionKind::Table:
        return QCoreApplication::translate("richedit::Captions", "Table");
    case CaptionKind::Equation:
        return QCoreApplication::translate("richedit::Captions", "Equation");
    }
    return {};
}

int renumber(QTextDocument &story)
{
    std::map<QString, int> counters;
    int changed = 0;
    QTextCursor cursor(&story);
    cursor.beginEditBlock();
    // Replacing a result of another length moves the fields after it: walk from a fresh
    // list each time one changes.
    std::vector<fields::FieldRange> all = fields::allFields(story);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const fields::FieldRange &field = all[i];
        if (fields::fieldType(field.instruction) != QLatin1String("SEQ"))
            continue;
        const QStringList arguments = fields::fieldArguments(field.instruction);
        if (arguments.isEmpty())
            continue;
        const QString number = QString::number(++counters[arguments.first().toLower()]);
        cursor.setPosition(field.start);
        cursor.setPosition(field.end, QTextCursor::KeepAnchor);
        if (cursor.selectedText() == number)
            continue;
        fields::replaceResult(story, field, number);
        ++changed;
        all = fields::allFields(story);
    }
    cursor.endEditBlock();
    return changed;
}

void insertCaption(RichEditControl &control, CaptionKind kind)
{
    QTextDocument *story = control.mainStory();
    const Style &style = captionStyle(control.document().styles());
    QTextBlockFormat blockFormat = control.document().styles().resolvedBlockFormat(style.id);
    blockFormat.setProperty(prop::ParagraphStyleId, style.id);
    const QTextCharFormat textFormat = control.document().styles().resolvedCharFormat(style.id);

    QTextCursor cursor = control.textCursor();
    cursor.beginEditBlock();
    // Below the table the caret is in, or below its paragraph.
    QTextBlock anchor = cursor.block();
    if (QTextTable *table = cursor.currentTable()) {
        QTextCursor end(story);
        end.setPosition(table->lastPosition() + 1);
        anchor = end.block();
        // The paragraph after a table takes the caption when it is empty (Qt keeps one there);
        // otherwise the caption goes in front of it.
        cursor.setPosition(anchor.position());
        if (!anchor.text().isEmpty()) {
            cursor.insertBlock(anchor.blockFormat(), anchor.charFormat());
            cursor.movePosition(QTextCursor::PreviousBlock);
        }
    } else {
        cursor.setPosition(anchor.position() + anchor.length() - 1);
        cursor.insertBlock(blockFormat, textFormat);
    }
    if (QTextList *list = cursor.currentList())
        list->remove(cursor.block());
    cursor.setBlockFormat(blockFormat);
    cursor.setBlockCharFormat(textFormat);
    const QString instruction = QStringLiteral("SEQ %1 \\* ARABIC").arg(sequenceName(kind));
    cursor.insertText(label(kind) + QLatin1Char(' '), textFormat);
    cursor.insertText(QStringLiteral("0"), fields::fieldFormat(textFormat, fields::newFieldId(*story), instruction));
    renumber(*story);
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.setCharFormat(textFormat);
    cursor.insertText(QStringLiteral(" "), textFormat);
    cursor.endEditBlock();
    control.setTextCursor(cursor);
}

void insertFigureCaption(CommandContext &context, const QVariant &)
{
    insertCaption(context.control, CaptionKind::Figure);
}

void insertTableCaption(CommandContext &context, const QVariant &)
{
    insertCaption(context.control, CaptionKind::Table);
}

void insertEquationCaption(CommandContext &context, const QVariant &)
{
    insertCaption(context.control, CaptionKind::Equation);
}

} // namespace richedit::captions
