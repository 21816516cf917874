#include "ParagraphCommands.h"

#include "EditorDialogs.h"
#include "SelectionFormat.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <vector>

namespace richedit::paragraph {
namespace {

QTextBlock caretBlock(const CommandContext &context)
{
    return context.control.textCursor().block();
}

bool inListOf(const CommandContext &context, QTextListFormat::Style style)
{
    const QTextList *list = caretBlock(context).textList();
    return list && list->format().style() == style;
}

/// Puts the paragraphs of the selection in a list of the style, or takes them out when the
/// caret's paragraph is already in one of that style.
void toggleList(CommandContext &context, QTextListFormat::Style style)
{
    const bool remove = inListOf(context, style);
    const QTextCursor selection = context.control.textCursor();
    QTextDocument *document = selection.document();
    const std::vector<QTextBlock> blocks = selectedBlocks(selection);
    QTextCursor editor(document);
    editor.beginEditBlock();
    QTextList *target = nullptr;
    for (const QTextBlock &block : blocks) {
        if (QTextList *list = block.textList())
            list->remove(block);
        editor.setPosition(block.position());
        QTextBlockFormat format = block.blockFormat();
        format.setIndent(0);
        format.setObjectIndex(-1);
        editor.setBlockFormat(format);
        if (remove)
            continue;
        if (!target) {
            QTextListFormat listFormat;
            listFormat.setStyle(style);
            listFormat.setIndent(1);
            target = editor.createList(listFormat);
        } else {
            target->add(block);
        }
    }
    editor.endEditBlock();
}

Qt::Alignment caretAlignment(const CommandContext &context)
{
    return caretBlock(context).blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

void align(CommandContext &context, Qt::Alignment alignment)
{
    changeBlockFormat(context.control, [alignment](QTextBlockFormat &f) { f.setAlignment(alignment); });
}

int caretSpacingPercent(const CommandContext &context)
{
    const QTextBlockFormat f = caretBlock(context).blockFormat();
    if (f.lineHeightType() == QTextBlockFormat::SingleHeight)
        return 100;
    if (f.lineHeightType() == QTextBlockFormat::ProportionalHeight)
        return qRound(f.lineHeight());
    return -1;
}

void setSpacing(CommandContext &context, int percent)
{
    changeBlockFormat(context.control, [percent](QTextBlockFormat &f) {
        if (percent == 100)
            f.setLineHeight(0, QTextBlockFormat::SingleHeight);
        else
            f.setLineHeight(percent, QTextBlockFormat::ProportionalHeight);
    });
}

/// Replaces the selected text by `convert` of it, run by run, so every run keeps its format.
void convertCase(CommandContext &context, QString (*convert)(const QString &))
{
    QTextCursor selection = context.control.textCursor();
    if (!selection.hasSelection())
        return;
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    std::vector<SelectedRun> runs = selectedRuns(selection);
    // Pictures are no text to convert.
    std::erase_if(runs, [](const SelectedRun &run) { return run.format.isImageFormat(); });
    QTextCursor editor(selection.document());
    editor.beginEditBlock();
    int delta = 0;
    // From the end backwards, so that a run that changes length moves nothing still to do.
    for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
        editor.setPosition(it->from);
        editor.setPosition(it->to, QTextCursor::KeepAnchor);
        const QString text = editor.selectedText();
        const QString converted = convert(text);
        if (converted == text)
            continue;
        editor.insertText(converted, it->format);
        delta += int(converted.size() - text.size());
    }
    editor.endEditBlock();
    selection.setPosition(start);
    selection.setPosition(end + delta, QTextCursor::KeepAnchor);
    context.control.setTextCursor(selection);
}

QString upper(const QString &text)
{
    return text.toUpper();
}

QString lower(const QString &text)
{
    return text.toLower();
}

} // namespace

qreal indentStep()
{
    return 1.25 / 2.54 * layoutDpi;
}

void toggleBulletedList(CommandContext &context, const QVariant &)
{
    toggleList(context, QTextListFormat::ListDisc);
}

bool isBulletedList(const CommandContext &context)
{
    return inListOf(context, QTextListFormat::ListDisc);
}

void toggleSimpleNumberingList(CommandContext &context, const QVariant &)
{
    toggleList(context, QTextListFormat::ListDecimal);
}

bool isSimpleNumberingList(const CommandContext &context)
{
    return inListOf(context, QTextListFormat::ListDecimal);
}

void incrementIndent(CommandContext &context, const QVariant &)
{
    const qreal step = indentStep();
    changeBlockFormat(context.control, [step](QTextBlockFormat &f) {
        f.setLeftMargin((std::floor(f.leftMargin() / step + 0.01) + 1) * step);
    });
}

void decrementIndent(CommandContext &context, const QVariant &)
{
    const qreal step = indentStep();
    changeBlockFormat(context.control, [step](QTextBlockFormat &f) {
        f.setLeftMargin(std::max(0.0, (std::ceil(f.leftMargin() / step - 0.01) - 1) * step));
    });
}

bool canDecrementIndent(const CommandContext &context)
{
    return caretBlock(context).blockFormat().leftMargin() > 0;
}

void toggleShowWhitespace(CommandContext &context, const QVariant &)
{
    QTextDocument *story = context.control.mainStory();
    QTextOption option = story->defaultTextOption();
    constexpr auto marks = QTextOption::ShowTabsAndSpaces | QTextOption::ShowLineAndParagraphSeparators;
    option.setFlags(isShowWhitespace(context) ? option.flags() & ~marks : option.flags() | marks);
    story->setDefaultTextOption(option);
}

bool isShowWhitespace(const CommandContext &context)
{
    return context.control.mainStory()->defaultTextOption().flags() & QTextOption::ShowTabsAndSpaces;
}

void alignLeft(CommandContext &context, const QVariant &)
{
    align(context, Qt::AlignLeft);
}

bool isAlignedLeft(const CommandContext &context)
{
    const Qt::Alignment a = caretAlignment(context);
    return a == Qt::AlignLeft || a == Qt::AlignLeading || a == Qt::AlignAbsolute;
}

void alignCenter(CommandContext &context, const QVariant &)
{
    align(context, Qt::AlignHCenter);
}

bool isAlignedCenter(const CommandContext &context)
{
    return caretAlignment(context) == Qt::AlignHCenter;
}

void alignRight(CommandContext &context, const QVariant &)
{
    align(context, Qt::AlignRight);
}

bool isAlignedRight(const CommandContext &context)
{
    const Qt::Alignment a = caretAlignment(context);
    return a == Qt::AlignRight || a == Qt::AlignTrailing;
}

void alignJustify(CommandContext &context, const QVariant &)
{
    align(context, Qt::AlignJustify);
}

bool isAlignedJustify(const CommandContext &context)
{
    return caretAlignment(context) == Qt::AlignJustify;
}

void setSingleSpacing(CommandContext &context, const QVariant &)
{
    setSpacing(context, 100);
}

bool isSingleSpacing(const CommandContext &context)
{
    return caretSpacingPercent(context) == 100;
}

void setSesquialteralSpacing(CommandContext &context, const QVariant &)
{
    setSpacing(context, 150);
}

bool isSesquialteralSpacing(const CommandContext &context)
{
    return caretSpacingPercent(context) == 150;
}

void setDoubleSpacing(CommandContext &context, const QVariant &)
{
    setSpacing(context, 200);
}

bool isDoubleSpacing(const CommandContext &context)
{
    return caretSpacingPercent(context) == 200;
}

void showParagraphForm(CommandContext &context, const QVariant &)
{
    const QTextBlockFormat f = caretBlock(context).blockFormat();
    ParagraphSettings current;
    current.alignment = f.alignment() & Qt::AlignHorizontal_Mask;
    current.leftIndent = f.leftMargin();
    current.rightIndent = f.rightMargin();
    current.firstLineIndent = f.textIndent();
    current.spaceBefore = f.topMargin();
    current.spaceAfter = f.bottomMargin();
    const int percent = caretSpacingPercent(context);
    current.lineSpacingPercent = percent > 0 ? percent : 100;
    const std::optional<ParagraphSettings> chosen =
        context.dialogs.paragraphForm(current, context.control.MeasurementUnit());
    if (!chosen || *chosen == current)
        return;
    const ParagraphSettings s = *chosen;
    changeBlockFormat(context.control, [&s](QTextBlockFormat &g) {
        g.setAlignment(s.alignment);
        g.setLeftMargin(s.leftIndent);
        g.setRightMargin(s.rightIndent);
        g.setTextIndent(s.firstLineIndent);
        g.setTopMargin(s.spaceBefore);
        g.setBottomMargin(s.spaceAfter);
        if (s.lineSpacingPercent == 100)
            g.setLineHeight(0, QTextBlockFormat::SingleHeight);
        else
            g.setLineHeight(s.lineSpacingPercent, QTextBlockFormat::ProportionalHeight);
    });
}

void textUpperCase(CommandContext &context, const QVariant &)
{
    convertCase(context, upper);
}

void textLowerCase(CommandContext &context, const QVariant &)
{
    convertCase(context, lower);
}

} // namespace richedit::paragraph
