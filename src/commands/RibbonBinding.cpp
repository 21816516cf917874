#include "RibbonBinding.h"

#include "RibbonIcons.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/richedit/commands/CharacterCommands.h"
#include "platform/richedit/commands/EditorCommands.h"
#include "platform/ui/HandlerGuard.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QIcon>

namespace commands {
namespace {

/// The list a combo box of the command offers.
QStringList comboList(const QString &command)
{
    if (command == QLatin1String("ChangeFontName"))
        return QFontDatabase::families();
    if (command == QLatin1String("ChangeFontSize"))
        return richedit::character::fontSizeList();
    return {};
}

constexpr int fontListRows = 20;

} // namespace

RibbonBinding::RibbonBinding(ribbon::Ribbon &ribbon, richedit::EditorCommands &commands, ui::Dialogs &dialogs,
                             const RibbonHandlers &handlers, QObject *parent)
    : QObject(parent), m_ribbon(ribbon), m_commands(commands), m_dialogs(dialogs)
{
    build(handlers);
    connect(&commands, &richedit::EditorCommands::stateChanged, this, &RibbonBinding::scheduleUpdate);
    updateStates();
}

void RibbonBinding::build(const RibbonHandlers &handlers)
{
    ribbon::RibbonTab *tab = nullptr;
    ribbon::RibbonGroup *group = nullptr;
    ribbon::RibbonItem *lastTopItem = nullptr;
    for (const RibbonEntry &entry : ribbonDefinition()) {
        const QString name = QString::fromUtf8(entry.name);
        const QString caption = QString::fromUtf8(entry.caption);
        switch (entry.row) {
        case RowKind::Tab:
            tab = m_ribbon.addTab(name, caption);
            break;
        case RowKind::Group:
            group = tab->addGroup(name, caption);
            break;
        case RowKind::Item: {
            ribbon::RibbonItem *item = nullptr;
            if (entry.depth == 0) {
                item = group->addItem(entry.kind, name, itemLayout(entry));
                lastTopItem = item;
            } else {
                item = lastTopItem->addMenuItem(entry.kind, name, itemLayout(entry));
            }
            bindItem(item, entry, handlers);
            break;
        }
        }
    }
}

void RibbonBinding::bindItem(ribbon::RibbonItem *item, const RibbonEntry &entry, const RibbonHandlers &handlers)
{
    const QString iconName = ribbonIconName(item->objectName());
    if (!iconName.isEmpty())
        item->setIcon(QIcon::fromTheme(iconName));
    const richedit::EditorCommand *command = nullptr;
    if (entry.binding == Binding::Command) {
        command = richedit::EditorCommands::find(QString::fromLatin1(entry.target));
        Q_ASSERT_X(command, entry.name, "bound to a command the editor does not know");
    }
    item->setText(entry.caption ? QString::fromUtf8(entry.caption)
                                : (command ? QString::fromUtf8(command->caption) : QString()));
    const char *hint = entry.hint ? entry.hint : (command && entry.binding == Binding::Command ? command->hint : "");
    item->setHint(QString::fromUtf8(hint));
    item->setCheckable(entry.marks & Toggle);
    item->setChecked(entry.marks & Down);
    item->setVisible(!(entry.marks & Hidden));
    if (entry.marks & Off)
        item->setEnabled(false);
    if (entry.shortcut) {
        item->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        item->setShortcutContext(Qt::WindowShortcut);
        // The ribbon is always visible; the shortcut works whichever tab is shown.
        m_ribbon.addAction(item);
    }
    if (item->comboBox() && command) {
        item->comboBox()->addItems(comboList(QString::fromLatin1(command->name)));
        item->comboBox()->setMaxVisibleItems(fontListRows);
    }

    switch (entry.binding) {
    case Binding::Command:
        m_bound.push_back({item, command, bool(entry.marks & Toggle)});
        connect(item, &ribbon::RibbonItem::executed, this, [this, command](const QVariant &value) {
            ui::guarded(m_dialogs, [&] { m_commands.execute(*command, value); });
        });
        break;
    case Binding::Handler: {
        const RibbonHandler handler = handlers.value(QString::fromLatin1(entry.target));
        if (!handler) {
            item->setEnabled(false);
            break;
        }
        connect(item, &ribbon::RibbonItem::executed, this,
                [this, handler, item] { ui::guarded(m_dialogs, [&] { handler(item); }); });
        break;
    }
    case Binding::Menu:
    case Binding::None:
        break;
    }
}

void RibbonBinding::scheduleUpdate()
{
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(this, &RibbonBinding::updateStates, Qt::QueuedConnection);
}

void RibbonBinding::updateStates()
{
    m_pending = false;
    ++m_passes;
    for (const Bound &bound : m_bound) {
        bound.item->setEnabled(m_commands.isEnabled(*bound.command));
        if (bound.toggle)
            bound.item->setChecked(m_commands.isChecked(*bound.command));
        if (bound.command->value)
            bound.item->setValue(m_commands.value(*bound.command));
    }
    emit statesUpdated();
}

const richedit::EditorCommand *RibbonBinding::commandOf(const ribbon::RibbonItem *item) const
{
    for (const Bound &bound : m_bound)
        if (bound.item == item)
            return bound.command;
    return nullptr;
}

} // namespace commands
