#pragma once

#include "EditorCommand.h"

#include <QObject>
#include <QTextCursor>

namespace richedit {
class Document;
class RichEditControl;
}

namespace richedit::multilevel {

// Multilevel numbered lists: "1." on the first level, "a." on the second, "i." on the third,
// and so on, from a list definition in the document's list table, so the files keep it.

/// Whether the caret's paragraph is in a multilevel list.
bool isMultiLevelList(const CommandContext &context);
/// Puts the selected paragraphs in a new multilevel list on its first level, or takes them
/// out when the caret's paragraph is in one already. One undo step.
void toggleMultiLevelList(CommandContext &context, const QVariant &);

/// Moves the selected paragraphs of a multilevel list `delta` levels deeper (or up, when
/// negative), within 0..8. False when the caret's paragraph is in no multilevel list.
bool changeLevel(Document &document, const QTextCursor &selection, int delta);
/// The caret's level in a multilevel list, -1 outside one.
int caretLevel(const RichEditControl &control);

/// The indent commands: a level deeper or up in a multilevel list, the paragraph indent elsewhere.
void incrementIndent(CommandContext &context, const QVariant &);
void decrementIndent(CommandContext &context, const QVariant &);
bool canDecrementIndent(const CommandContext &context);

/// Tab and Shift+Tab at the start of a multilevel list's item change its level, as in every
/// word processor; elsewhere they type as before.
class ListLevelKeys final : public QObject {
public:
    explicit ListLevelKeys(RichEditControl &control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    RichEditControl &m_control;
};

} // namespace richedit::multilevel
