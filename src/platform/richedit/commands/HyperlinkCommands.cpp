#include "HyperlinkCommands.h"

#include "EditorDialogs.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>

namespace richedit::hyperlink {
namespace {

/// The extent of the link around a position: the neighbouring runs with the same address.
std::pair<int, int> linkExtent(const QTextDocument &document, int position, const QString &address)
{
    const QTextBlock block = document.findBlock(position);
    int from = -1;
    int to = -1;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const bool inLink = fragment.charFormat().isAnchor() && fragment.charFormat().anchorHref() == address;
        const int start = fragment.position();
        const int end = start + fragment.length();
        if (inLink && from < 0)
            from = start;
        if (inLink)
            to = end;
        if (!inLink && from >= 0) {
            if (position >= from && position <= to)
                break;
            from = to = -1; // a link of the same address earlier in the paragraph
        }
    }
    return {from, to};
}

void linkFormat(QTextCharFormat &format, const QString &address)
{
    format.setAnchor(true);
    format.setAnchorHref(address);
    format.setForeground(QColor(0x05, 0x63, 0xc1));
    format.setFontUnderline(true);
}

void removeLinkFormat(QTextCharFormat &format)
{
    format.clearProperty(QTextFormat::IsAnchor);
    format.clearProperty(QTextFormat::AnchorHref);
    format.clearForeground();
    format.setFontUnderline(false);
}

} // namespace

QString linkAt(const QTextDocument &document, int position)
{
    QTextCursor probe(const_cast<QTextDocument *>(&document));
    probe.setPosition(std::min(position + 1, document.characterCount() - 1));
    const QTextCharFormat format = probe.charFormat();
    return format.isAnchor() ? format.anchorHref() : QString();
}

void showHyperlinkForm(CommandContext &context, const QVariant &)
{
    QTextCursor cursor = context.control.textCursor();
    QTextDocument *document = cursor.document();
    HyperlinkSettings current;
    int from = cursor.selectionStart();
    int to = cursor.selectionEnd();
    current.address = linkAt(*document, from);
    if (!current.address.isEmpty() && !cursor.hasSelection()) {
        std::tie(from, to) = linkExtent(*document, from, current.address);
        if (from < 0)
            from = to = cursor.position();
    }
    QTextCursor range(document);
    range.setPosition(from);
    range.setPosition(to, QTextCursor::KeepAnchor);
    current.text = range.selectedText();
    const std::optional<HyperlinkSettings> chosen = context.dialogs.hyperlinkForm(current);
    if (!chosen)
        return;
    const QString text = chosen->text.isEmpty() ? chosen->address : chosen->text;
    if (text.isEmpty())
        return;
    // The new text takes the format of the text it replaces, or of the caret.
    QTextCharFormat format = cursor.charFormat();
    if (range.hasSelection()) {
        QTextCursor first(document);
        first.setPosition(from + 1);
        format = first.charFormat();
    }
    if (chosen->address.isEmpty())
        removeLinkFormat(format);
    else
        linkFormat(format, chosen->address);
    range.beginEditBlock();
    range.removeSelectedText();
    range.insertText(text, format);
    range.endEditBlock();
    context.control.setTextCursor(range);
}

LinkOpener::LinkOpener(RichEditControl &control, EditorDialogs &dialogs)
    : QObject(&control), m_control(control), m_dialogs(dialogs)
{
    control.viewport()->installEventFilter(this);
}

bool LinkOpener::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QObject::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton || !(mouse->modifiers() & Qt::ControlModifier))
        return false;
    // The story's item sits at the scene's origin, so scene points are document points.
    const QPointF point = m_control.mapToScene(mouse->position().toPoint());
    QTextDocument *story = m_control.mainStory();
    const int position = story->documentLayout()->hitTest(point, Qt::ExactHit);
    if (position < 0)
        return false;
    QTextCursor probe(story);
    probe.setPosition(position);
    QString address = probe.charFormat().isAnchor() ? probe.charFormat().anchorHref() : QString();
    if (address.isEmpty())
        address = linkAt(*story, position);
    if (address.isEmpty())
        return false;
    m_dialogs.openLink(address);
    return true;
}

} // namespace richedit::hyperlink
