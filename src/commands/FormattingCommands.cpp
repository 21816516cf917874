#include "FormattingCommands.h"

#include "CaretInsertion.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace commands {
namespace {

using P = QTextFormat::Property;

void clearPageBreakBefore(QTextFormat &format)
{
    // Break-after shares the property but is not this option.
    const int policy = format.intProperty(P::PageBreakPolicy) & ~int(QTextFormat::PageBreak_AlwaysBefore);
    if (policy == QTextFormat::PageBreak_Auto)
        format.clearProperty(P::PageBreakPolicy);
    else
        format.setProperty(P::PageBreakPolicy, policy);
}

const std::vector<FormattingOption> characterOptions = {
    {"UseFontName", {P::FontFamilies, P::FontFamily, P::FontStyleHint, P::FontStyleStrategy}},
    {"UseDoubleFontSize", {P::FontPointSize, P::FontPixelSize, P::FontSizeAdjustment}},
    {"UseFontBold", {P::FontWeight}},
    {"UseFontItalic", {P::FontItalic}},
    {"UseFontStrikeoutType", {P::FontStrikeOut}},
    {"UseFontUnderlineType", {P::TextUnderlineStyle, P::FontUnderline}},
    {"UseAllCaps", {P::FontCapitalization}},
    {"UseForeColor", {P::ForegroundBrush}},
    {"UseBackColor", {P::BackgroundBrush}},
    {"UseUnderlineColor", {P::TextUnderlineColor}},
    {"UseStrikeoutColor", {}},
    {"UseUnderlineWordsOnly", {}},
    {"UseStrikeoutWordsOnly", {}},
    {"UseScript", {P::TextVerticalAlignment}},
    {"UseHidden", {}},
    {"UseNoProof", {}},
};

const std::vector<FormattingOption> paragraphOptions = {
    {"UseAlignment", {P::BlockAlignment}},
    {"UseLeftIndent", {P::BlockLeftMargin, P::BlockIndent}},
    {"UseRightIndent", {P::BlockRightMargin}},
    {"UseSpacingBefore", {P::BlockTopMargin}},
    {"UseSpacingAfter", {P::BlockBottomMargin}},
    {"UseLineSpacing", {P::LineHeight, P::LineHeightType}},
    {"UseFirstLineIndent", {P::TextIndent}},
    {"UseSuppressHyphenation", {}},
    {"UseSuppressLineNumbers", {}},
    {"UseContextualSpacing", {}},
    {"UsePageBreakBefore", {}, &clearPageBreakBefore},
    {"UseBeforeAutoSpacing", {}},
    {"UseAfterAutoSpacing", {}},
    {"UseKeepWithNext", {}},
    {"UseKeepLinesTogether", {P::BlockNonBreakableLines}},
    {"UseWidowOrphanControl", {}},
    {"UseOutlineLevel", {}},
    {"UseBackColor", {P::BackgroundBrush}},
    {"UseLeftBorder", {}},
    {"UseRightBorder", {}},
    {"UseTopBorder", {}},
    {"UseBottomBorder", {}},
};

void reset(QTextFormat &format, std::span<const FormattingOption> options)
{
    for (const FormattingOption &option : options) {
        for (int property : option.properties)
            format.clearProperty(property);
        if (option.clearPart)
            option.clearPart(format);
    }
}

/// Resets the character options of the characters from `start` to `end`, run by run. The
/// runs are gathered first: changing a format merges and splits the runs being walked.
void resetCharacters(QTextDocument &story, int start, int end)
{
    struct Run {
        int from;
        int to;
        QTextCharFormat format;
    };
    std::vector<Run> runs;
    for (QTextBlock block = story.findBlock(start); block.isValid() && block.position() < end; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(start, fragment.position());
            const int to = std::min(end, fragment.position() + fragment.length());
            if (from < to)
                runs.push_back({from, to, fragment.charFormat()});
        }
    }
    for (Run &run : runs) {
        reset(run.format, characterOptions);
        QTextCursor range(&story);
        range.setPosition(run.from);
        range.setPosition(run.to, QTextCursor::KeepAnchor);
        range.setCharFormat(run.format);
    }
}

/// Resets the paragraph options of every paragraph the range touches. A selection that ends
/// at the start of a paragraph (a whole paragraph with its mark) leaves that one alone.
void resetParagraphs(QTextDocument &story, int start, int end)
{
    const QTextBlock last = story.findBlock(end > start ? end - 1 : end);
    for (QTextBlock block = story.findBlock(start); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        reset(format, paragraphOptions);
        QTextCursor(block).setBlockFormat(format);
        if (block == last)
            break;
    }
}

} // namespace

std::span<const FormattingOption> characterFormattingOptions()
{
    return characterOptions;
}

std::span<const FormattingOption> paragraphFormattingOptions()
{
    return paragraphOptions;
}

void ClearFormatting(richedit::RichEditControl &ARichEdit)
{
    if (ARichEdit.isReadOnly()) // a protected document
        return;
    const QTextCursor selection = ARichEdit.textCursor();
    QTextDocument &story = *selection.document();
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    EditBlock step{QTextCursor(&story)};
    resetCharacters(story, start, end);
    resetParagraphs(story, start, end);
}

} // namespace commands
