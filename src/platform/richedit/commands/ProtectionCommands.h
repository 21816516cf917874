#pragma once

#include "EditorCommand.h"

namespace richedit::protection {

/// Whether editing is refused: the document's protection is enforced.
bool isProtected(const RichEditControl &control);
/// Whether a command may run in a protected document: only those that change nothing.
bool allowedWhileProtected(const char *commandName);

void protectDocument(CommandContext &context, const QVariant &);
bool canProtectDocument(const CommandContext &context);
void unprotectDocument(CommandContext &context, const QVariant &);
bool canUnprotectDocument(const CommandContext &context);

} // namespace richedit::protection
