#include "MultiLevelList.h"

#include "ParagraphCommands.h"
#include "SelectionFormat.h"
#include "platform/richedit/model/Document.h"
#include "platform/richedit/model/Properties.h"
#include "platform/richedit/model/StoryBuilder.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextList>

#include <vector>

namespace richedit::multilevel {
namespace {

constexpr int deepestLevel = 8;

/// The id of the multilevel list `list` belongs to, 0 for none. A list counts as multilevel
/// when its levels are numbered in different ways, as "1." over "a.".
int multiLevelListId(const Document &document, const QTextList *list)
{
    if (!list || !list->format().hasProperty(prop::ListId))
        return 0;
    const int id = list->format().intProperty(prop::ListId);
    const auto it = document.lists().find(id);
    if (it == document.lists().end())
        return 0;
    const auto &levels = it->second.levels;
    const bool multi = levels[0].format != NumberFormat::Bullet && levels[1].format != levels[0].format;
    return multi ? id : 0;
}

void leaveList(QTextCursor &editor, const QTextBlock &block)
{
    if (QTextList *list = block.textList())
        list->remove(block);
    editor.setPosition(block.position());
    QTextBlockFormat format = block.blockFormat();
    format.setIndent(0);
    format.setObjectIndex(-1);
    editor.setBlockFormat(format);
}

/// Puts the paragraph on a level of the list: it joins the items of that level just above it,
/// unless an item of a higher level comes between, where a new run of numbers starts.
void placeAt(Document &document, QTextCursor &editor, const QTextBlock &block, int listId, int level)
{
    leaveList(editor, block);
    for (QTextBlock b = block.previous(); b.isValid(); b = b.previous()) {
        QTextList *list = b.textList();
        if (!list || list->format().intProperty(prop::ListId) != listId)
            break;
        const int itsLevel = list->format().intProperty(prop::ListLevelIndex);
        if (itsLevel == level) {
            list->add(block);
            return;
        }
        if (itsLevel < level)
            break;
    }
    editor.setPosition(block.position());
    editor.createList(listFormatFor(document, listId, level));
}

int levelOf(const QTextBlock &block)
{
    const QTextList *list = block.textList();
    return list ? list->format().intProperty(prop::ListLevelIndex) : 0;
}

} // namespace

bool isMultiLevelList(const CommandContext &context)
{
    return multiLevelListId(context.control.document(), context.control.textCursor().block().textList()) != 0;
}

int caretLevel(const RichEditControl &control)
{
    const QTextBlock block = control.textCursor().block();
    return multiLevelListId(control.document(), block.textList()) ? levelOf(block) : -1;
}

void toggleMultiLevelList(CommandContext &context, const QVariant &)
{
    Document &document = context.control.document();
    const QTextCursor selection = context.control.textCursor();
    const bool remove = isMultiLevelList(context);
    const std::vector<QTextBlock> blocks = selectedBlocks(selection);
    int id = 0;
    if (!remove) {
        id = document.lists().empty() ? 1 : document.lists().rbegin()->first + 1;
        // An unused definition does no harm, so it stays when the insertion is undone.
        document.lists()[id] = ListDefinition::numbered();
    }
    QTextCursor editor(selection.document());
    editor.beginEditBlock();
    for (const QTextBlock &block : blocks) {
        if (remove)
            leaveList(editor, block);
        else
            placeAt(document, editor, block, id, 0);
    }
    editor.endEditBlock();
}

bool changeLevel(Document &document, const QTextCursor &selection, int delta)
{
    const int id = multiLevelListId(document, selection.block().textList());
    if (!id)
        return false;
    QTextCursor editor(selection.document());
    editor.beginEditBlock();
    for (const QTextBlock &block : selectedBlocks(selection)) {
        if (multiLevelListId(document, block.textList()) != id)
            continue;
        const int level = std::clamp(levelOf(block) + delta, 0, deepestLevel);
        if (level != levelOf(block))
            placeAt(document, editor, block, id, level);
    }
    editor.endEditBlock();
    return true;
}

void incrementIndent(CommandContext &context, const QVariant &argument)
{
    if (!changeLevel(context.control.document(), context.control.textCursor(), 1))
        paragraph::incrementIndent(context, argument);
}

void decrementIndent(CommandContext &context, const QVariant &argument)
{
    if (!changeLevel(context.control.document(), context.control.textCursor(), -1))
        paragraph::decrementIndent(context, argument);
}

bool canDecrementIndent(const CommandContext &context)
{
    const int level = caretLevel(context.control);
    return level >= 0 ? level > 0 : paragraph::canDecrementIndent(context);
}

ListLevelKeys::ListLevelKeys(RichEditControl &control) : QObject(&control), m_control(control)
{
    control.installEventFilter(this);
}

bool ListLevelKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool tab = key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier;
    const bool backtab = key->key() == Qt::Key_Backtab;
    if (!tab && !backtab)
        return false;
    const QTextCursor cursor = m_control.textCursor();
    if (!cursor.hasSelection() && !cursor.atBlockStart())
        return false;
    if (caretLevel(m_control) < 0)
        return false;
    changeLevel(m_control.document(), cursor, tab ? 1 : -1);
    return true;
}

} // namespace richedit::multilevel
