#include "HeaderFooterCommands.h"

#include "CommandTexts.h"
#include "EditorDialogs.h"

#include "platform/richedit/layout/HeaderFooterPlacement.h"
#include "platform/richedit/layout/PageFields.h"
#include "platform/richedit/layout/PageGeometry.h"
#include "platform/richedit/model/Properties.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QTextCursor>
#include <QTextDocumentFragment>

namespace richedit::headerfooter {
namespace {

/// The nearest section in `step` direction that some page shows, or -1.
int neighbourSection(const RichEditControl &control, int step)
{
    const PageGeometry &pages = control.pageGeometry();
    const int count = static_cast<int>(control.document().sections().size());
    for (int s = control.headerFooterSection() + step; s >= 0 && s < count; s += step)
        if (pages.firstPageOfSection(s) >= 0)
            return s;
    return -1;
}

void goToSection(RichEditControl &control, int step)
{
    const int section = neighbourSection(control, step);
    if (section >= 0)
        control.editHeaderFooter(control.pageGeometry().firstPageOfSection(section), control.editingHeader());
}

/// Section settings live outside the stories' undo stacks; the change still has to be saved.
void markModified(RichEditControl &control)
{
    control.SetDocumentModelModified(true);
}

void insertPageField(RichEditControl &control, const QString &instruction, int value)
{
    QTextCursor cursor = control.textCursor();
    QTextCharFormat plain = cursor.charFormat();
    plain.clearProperty(prop::FieldId);
    plain.clearProperty(prop::FieldInstruction);
    QTextCharFormat field = plain;
    field.setProperty(prop::FieldId, lastFieldId(*cursor.document()) + 1);
    field.setProperty(prop::FieldInstruction, instruction);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertText(QString::number(value), field);
    cursor.endEditBlock();
    // What is typed next goes after the field, not into its result.
    cursor.setCharFormat(plain);
    control.setTextCursor(cursor);
}

} // namespace

void editPageHeader(CommandContext &context, const QVariant &)
{
    context.control.editHeaderFooter(context.control.currentPage(), true);
}

void editPageFooter(CommandContext &context, const QVariant &)
{
    context.control.editHeaderFooter(context.control.currentPage(), false);
}

void goToPageHeader(CommandContext &context, const QVariant &)
{
    context.control.editHeaderFooter(context.control.headerFooterPage(), true);
}

void goToPageFooter(CommandContext &context, const QVariant &)
{
    context.control.editHeaderFooter(context.control.headerFooterPage(), false);
}

bool inPageFooter(const CommandContext &context)
{
    return context.control.IsSelectionInHeaderOrFooter() && !context.control.editingHeader();
}

bool inPageHeader(const CommandContext &context)
{
    return context.control.IsSelectionInHeaderOrFooter() && context.control.editingHeader();
}

void goToNextHeaderFooter(CommandContext &context, const QVariant &)
{
    goToSection(context.control, +1);
}

void goToPreviousHeaderFooter(CommandContext &context, const QVariant &)
{
    goToSection(context.control, -1);
}

bool hasNextHeaderFooter(const CommandContext &context)
{
    return context.control.IsSelectionInHeaderOrFooter() && neighbourSection(context.control, +1) >= 0;
}

bool hasPreviousHeaderFooter(const CommandContext &context)
{
    return context.control.IsSelectionInHeaderOrFooter() && neighbourSection(context.control, -1) >= 0;
}

void closeHeaderFooter(CommandContext &context, const QVariant &)
{
    context.control.closeHeaderFooter();
}

bool inHeaderFooter(const CommandContext &context)
{
    return context.control.IsSelectionInHeaderOrFooter();
}

void toggleDifferentFirstPage(CommandContext &context, const QVariant &)
{
    RichEditControl &control = context.control;
    const int index = control.headerFooterSection();
    Section section = control.document().section(index);
    section.differentFirstPage = !section.differentFirstPage;
    control.document().setSection(index, section);
    markModified(control);
    control.refreshHeaderFooter();
}

bool hasDifferentFirstPage(const CommandContext &context)
{
    return context.control.IsSelectionInHeaderOrFooter()
           && context.control.document().section(context.control.headerFooterSection()).differentFirstPage;
}

void toggleDifferentOddAndEven(CommandContext &context, const QVariant &)
{
    RichEditControl &control = context.control;
    control.document().setEvenAndOddHeaders(!control.document().evenAndOddHeaders());
    control.updatePageSetup();
    markModified(control);
    control.refreshHeaderFooter();
}

bool hasDifferentOddAndEven(const CommandContext &context)
{
    return context.control.IsSelectionInHeaderOrFooter() && context.control.document().evenAndOddHeaders();
}

void toggleLinkToPrevious(CommandContext &context, const QVariant &)
{
    RichEditControl &control = context.control;
    Document &document = control.document();
    const int page = control.headerFooterPage();
    const bool header = control.editingHeader();
    const int section = control.headerFooterSection();
    const HeaderFooterKind kind = control.headerFooterKind();
    if (const QTextDocument *ownStory = document.headerFooter(section, kind)) {
        // Linking shows the previous section's story here; the section's own one goes, and
        // that cannot be undone, so text the user wrote there is not dropped without asking.
        if (!ownStory->isEmpty()
            && !context.dialogs.confirm(commandText("Delete this header or footer and use the one of the "
                                                    "previous section instead?")))
            return;
        control.closeHeaderFooter();
        document.removeHeaderFooter(section, kind);
    } else {
        // Unlinking starts the section's own story as a copy of what it showed.
        QTextDocument *own = document.ensureHeaderFooter(section, kind);
        if (QTextDocument *previous = resolveHeaderFooter(document, section - 1, kind)) {
            QTextCursor(own).insertFragment(QTextDocumentFragment(previous));
            own->clearUndoRedoStacks();
        }
    }
    control.updatePageSetup();
    markModified(control);
    control.editHeaderFooter(page, header);
}

bool isLinkedToPrevious(const CommandContext &context)
{
    return canLinkToPrevious(context)
           && !context.control.document().headerFooter(context.control.headerFooterSection(),
                                                        context.control.headerFooterKind());
}

bool canLinkToPrevious(const CommandContext &context)
{
    return context.control.IsSelectionInHeaderOrFooter() && context.control.headerFooterSection() > 0;
}

void insertPageNumberField(CommandContext &context, const QVariant &)
{
    RichEditControl &control = context.control;
    insertPageField(control, QStringLiteral("PAGE"), control.pageGeometry().pageNumber(control.currentPage()));
}

void insertPageCountField(CommandContext &context, const QVariant &)
{
    RichEditControl &control = context.control;
    insertPageField(control, QStringLiteral("NUMPAGES"), control.pageGeometry().pageCount());
}

} // namespace richedit::headerfooter
