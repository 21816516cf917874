#include "StoryTextItem.h"

#include "platform/richedit/model/Properties.h"

#include <QKeyEvent>
#include <QStyleOptionGraphicsItem>
#include <QTextCursor>

namespace richedit {

StoryTextItem::StoryTextItem(QGraphicsItem *parent) : QGraphicsTextItem(parent)
{
    setTextInteractionFlags(Qt::TextEditorInteraction);
    setFlag(QGraphicsItem::ItemUsesExtendedStyleOption);
    // Qt's text control is the item's child object; its signals are the only report of
    // caret moves made by the keyboard and the mouse.
    for (QObject *child : children()) {
        if (qstrcmp(child->metaObject()->className(), "QWidgetTextControl") == 0) {
            connect(child, SIGNAL(cursorPositionChanged()), this, SIGNAL(cursorPositionChanged()));
            connect(child, SIGNAL(selectionChanged()), this, SIGNAL(selectionChanged()));
        }
    }
}

void StoryTextItem::setOverwriteMode(bool overwrite)
{
    if (overwrite == m_overwrite)
        return;
    m_overwrite = overwrite;
    emit overwriteModeChanged(overwrite);
}

void StoryTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    // Without this Qt draws a dashed focus frame round the whole page.
    QStyleOptionGraphicsItem plain(*option);
    plain.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected);
    QGraphicsTextItem::paint(painter, &plain, widget);
}

void StoryTextItem::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        setOverwriteMode(!m_overwrite);
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint()
                           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (m_overwrite && printable) {
        QTextCursor cursor = textCursor();
        if (!cursor.hasSelection() && !cursor.atBlockEnd()) {
            // Typing over a character replaces it, as one undo step with the typing.
            cursor.beginEditBlock();
            cursor.deleteChar();
            cursor.insertText(text);
            cursor.endEditBlock();
            setTextCursor(cursor);
            event->accept();
            return;
        }
    }
    if (printable && typeAfterField(text)) {
        event->accept();
        return;
    }
    QGraphicsTextItem::keyPressEvent(event);
}

bool StoryTextItem::typeAfterField(const QString &text)
{
    // At the end of a field the caret takes the field's format, but what is typed there
    // follows the field rather than changing its result.
    QTextCursor cursor = textCursor();
    QTextCharFormat format = cursor.charFormat();
    const int field = format.intProperty(prop::FieldId);
    if (field == 0 || cursor.hasSelection())
        return false;
    QTextCursor after(cursor);
    after.movePosition(QTextCursor::NextCharacter);
    if (!cursor.atBlockEnd() && after.charFormat().intProperty(prop::FieldId) == field)
        return false;
    format.clearProperty(prop::FieldId);
    format.clearProperty(prop::FieldInstruction);
    cursor.insertText(text, format);
    setTextCursor(cursor);
    return true;
}

} // namespace richedit
