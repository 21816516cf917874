#include "PageSetupCommands.h"

#include "EditorDialogs.h"
#include "SectionEdit.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QCoreApplication>
#include <QTextCursor>

#include <functional>

namespace richedit::pagesetup {
namespace {

QString text(const char *english)
{
    return QCoreApplication::translate("richedit::PageSetupCommands", english);
}

/// Applies `change` to every section the selection touches, as one undo step.
void changeSelectedSections(RichEditControl &control, const std::function<void(Section &)> &change)
{
    const SectionRange range = selectedSections(control);
    PageSetupState state = pageSetupOf(control.document());
    for (int i = range.first; i <= range.last; ++i)
        change(state.sections.at(std::size_t(i)));
    changePageSetup(control, state);
}

/// True when `test` holds for every section the selection touches.
bool allSelectedSections(const RichEditControl &control, const std::function<bool(const Section &)> &test)
{
    const SectionRange range = selectedSections(control);
    for (int i = range.first; i <= range.last; ++i)
        if (!test(control.document().section(i)))
            return false;
    return true;
}

const Section &firstSelectedSection(const RichEditControl &control)
{
    return control.document().section(selectedSections(control).first);
}

void showPageSetup(CommandContext &context, PageSetupPage page)
{
    RichEditControl &control = context.control;
    const auto chosen =
        context.dialogs.pageSetupForm({firstSelectedSection(control), false}, control.MeasurementUnit(), page);
    if (!chosen)
        return;
    if (!marginsFit(chosen->page)) {
        context.dialogs.information(text("The margins leave no room for text on a page of this size."));
        return;
    }
    const auto apply = [&](Section &section) {
        const Section &page = chosen->page;
        section.paperKind = page.paperKind;
        section.pageWidth = page.pageWidth;
        section.pageHeight = page.pageHeight;
        section.landscape = page.landscape;
        section.margins = page.margins;
    };
    if (!chosen->wholeDocument) {
        changeSelectedSections(control, apply);
        return;
    }
    PageSetupState state = pageSetupOf(control.document());
    for (Section &section : state.sections)
        apply(section);
    changePageSetup(control, state);
}

} // namespace

void showPageSetupForm(CommandContext &context, const QVariant &)
{
    showPageSetup(context, PageSetupPage::Margins);
}

void showPageMarginsSetupForm(CommandContext &context, const QVariant &)
{
    showPageSetup(context, PageSetupPage::Margins);
}

void showPagePaperSetupForm(CommandContext &context, const QVariant &)
{
    showPageSetup(context, PageSetupPage::Paper);
}

void setOrientation(CommandContext &context, bool landscape)
{
    changeSelectedSections(context.control, [landscape](Section &section) { section.setLandscape(landscape); });
}

bool hasOrientation(const CommandContext &context, bool landscape)
{
    return allSelectedSections(context.control, [landscape](const Section &s) { return s.landscape == landscape; });
}

void setColumnCount(CommandContext &context, int count)
{
    changeSelectedSections(context.control, [count](Section &section) { section.columnCount = count; });
}

bool hasColumnCount(const CommandContext &context, int count)
{
    return allSelectedSections(context.control, [count](const Section &s) { return s.columnCount == count; });
}

void showColumnsSetupForm(CommandContext &context, const QVariant &)
{
    RichEditControl &control = context.control;
    const Section &current = firstSelectedSection(control);
    const int textWidth = current.pageWidth - current.margins.left - current.margins.right;
    auto chosen =
        context.dialogs.columnsForm({current.columnCount, current.columnSpacing, textWidth}, control.MeasurementUnit());
    if (!chosen)
        return;
    chosen->textWidth = textWidth; // what the section has, whatever the dialog says
    if (!columnsFit(*chosen)) {
        context.dialogs.information(text("The columns do not fit between the margins."));
        return;
    }
    changeSelectedSections(control, [&](Section &section) {
        section.columnCount = chosen->count;
        section.columnSpacing = chosen->spacing;
    });
}

void breakSection(CommandContext &context, SectionStart start)
{
    pagesetup::insertSectionBreak(context.control, start);
}

bool canInsertSectionBreak(const CommandContext &context)
{
    const QTextCursor cursor = context.control.textCursor();
    QTextCursor start = cursor, end = cursor;
    start.setPosition(cursor.selectionStart());
    end.setPosition(cursor.selectionEnd());
    return !start.currentTable() && !end.currentTable();
}

void setLineNumberingMode(CommandContext &context, bool numbered, LineNumbering::Restart restart)
{
    changeSelectedSections(context.control, [=](Section &section) {
        LineNumbering &numbering = section.lineNumbering;
        if (!numbered) {
            numbering.countBy = 0;
            return;
        }
        numbering.countBy = std::max(1, numbering.countBy);
        numbering.restart = restart;
    });
}

bool hasLineNumberingMode(const CommandContext &context, bool numbered, LineNumbering::Restart restart)
{
    return allSelectedSections(context.control, [=](const Section &s) {
        const LineNumbering &numbering = s.lineNumbering;
        return numbered ? numbering.countBy > 0 && numbering.restart == restart : numbering.countBy == 0;
    });
}

void showLineNumberingForm(CommandContext &context, const QVariant &)
{
    RichEditControl &control = context.control;
    const auto chosen =
        context.dialogs.lineNumberingForm(firstSelectedSection(control).lineNumbering, control.MeasurementUnit());
    if (!chosen)
        return;
    changeSelectedSections(control, [&](Section &section) { section.lineNumbering = *chosen; });
}

void changePageColor(CommandContext &context, const QVariant &colour)
{
    if (!colour.isValid())
        return;
    PageSetupState state = pageSetupOf(context.control.document());
    const QColor chosen = colour.value<QColor>();
    state.pageColor = chosen.isValid() ? chosen.toRgb() : QColor();
    changePageSetup(context.control, state);
}

QVariant pageColor(const CommandContext &context)
{
    return context.control.document().pageColor();
}

} // namespace richedit::pagesetup
