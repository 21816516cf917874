#include "ProtectionCommands.h"

#include "EditorDialogs.h"
#include "ProtectionPassword.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QCoreApplication>

#include <cstring>
#include <optional>

namespace richedit::protection {
namespace {

QString text(const char *english)
{
    return QCoreApplication::translate("richedit::Protection", english);
}

// Commands that only look at the document, move the caret or change the view.
const char *const readingCommands[] = {
    "CopySelection", "SearchFind", "SearchFindNext", "SelectAll", "ZoomIn", "ZoomOut", "ToggleShowWhitespace",
    "ShowPrintForm", "ShowPrintPreviewForm", "UnprotectDocument", "SwitchToSimpleView", "SwitchToDraftView",
    "SwitchToPrintLayoutView", "ToggleShowHorizontalRuler", "ToggleShowVerticalRuler",
};

} // namespace

bool isProtected(const RichEditControl &control)
{
    const Protection &protection = control.document().protection();
    return protection.enforced && protection.kind != ProtectionKind::None;
}

bool allowedWhileProtected(const char *commandName)
{
    for (const char *name : readingCommands)
        if (std::strcmp(name, commandName) == 0)
            return true;
    return false;
}

void protectDocument(CommandContext &context, const QVariant &)
{
    const std::optional<QString> password = context.dialogs.newPasswordForm();
    if (!password)
        return;
    context.control.document().setProtection(readOnlyProtection(*password));
    context.control.setReadOnly(true);
    context.control.SetDocumentModelModified(true);
}

bool canProtectDocument(const CommandContext &context)
{
    return !isProtected(context.control);
}

void unprotectDocument(CommandContext &context, const QVariant &)
{
    const Protection protection = context.control.document().protection();
    if (!canCheck(protection)) {
        context.dialogs.information(
            text("The protection cannot be removed: the document's password is stored with the hash algorithm "
                 "\"%1\", which this program does not know.")
                .arg(protection.algorithm));
        return;
    }
    if (!protection.hash.isEmpty()) {
        const std::optional<QString> password = context.dialogs.passwordForm();
        if (!password)
            return;
        if (!checkPassword(protection, *password)) {
            context.dialogs.information(text("The password is incorrect. The document stays protected."));
            return;
        }
    }
    context.control.document().setProtection(Protection());
    context.control.setReadOnly(false);
    context.control.SetDocumentModelModified(true);
}

bool canUnprotectDocument(const CommandContext &context)
{
    return isProtected(context.control);
}

} // namespace richedit::protection
