#pragma once

#include "EditorCommand.h"

#include <QObject>

class QTextDocument;

namespace richedit {

class EditorDialogs;

namespace hyperlink {

/// The hyperlink dialog: makes the selection (or the link at the caret) a link to the address
/// given, with the text given, or removes the link when the address is left empty.
void showHyperlinkForm(CommandContext &context, const QVariant &);

/// The address of the link at a document position, empty when there is none.
QString linkAt(const QTextDocument &document, int position);

/// Opens links on Ctrl+click in the control's view; any other click edits as usual.
class LinkOpener : public QObject {
public:
    LinkOpener(RichEditControl &control, EditorDialogs &dialogs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    RichEditControl &m_control;
    EditorDialogs &m_dialogs;
};

} // namespace hyperlink
} // namespace richedit
