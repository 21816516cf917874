#pragma once

#include "RibbonDefinition.h"

#include <QHash>
#include <QObject>

#include <functional>
#include <vector>

namespace ribbon {
class Ribbon;
class RibbonItem;
} // namespace ribbon
namespace richedit {
class EditorCommands;
struct EditorCommand;
} // namespace richedit
namespace ui {
class Dialogs;
}

namespace commands {

/// The program's own click handlers by name; each receives the clicked item.
using RibbonHandler = std::function<void(ribbon::RibbonItem *sender)>;
using RibbonHandlers = QHash<QString, RibbonHandler>;

/// Builds the ribbon by walking its definition and binds every item: command items to the
/// editor's commands, own items to the program's handlers. Items whose handler does not exist
/// (yet) stay disabled. Command states are recomputed at most once per pass of the event loop,
/// after whatever they depend on changed.
class RibbonBinding : public QObject {
    Q_OBJECT
public:
    RibbonBinding(ribbon::Ribbon &ribbon, richedit::EditorCommands &commands, ui::Dialogs &dialogs,
                  const RibbonHandlers &handlers, QObject *parent = nullptr);

    /// Gives every command item its command's enabled, pressed and current value now.
    void updateStates();
    /// How many times the states were recomputed.
    int updatePasses() const { return m_passes; }

    /// The command an item is bound to, or null.
    const richedit::EditorCommand *commandOf(const ribbon::RibbonItem *item) const;

signals:
    /// The states were recomputed; the program's own enabling follows here.
    void statesUpdated();

private:
    void build(const RibbonHandlers &handlers);
    void bindItem(ribbon::RibbonItem *item, const RibbonEntry &entry, const RibbonHandlers &handlers);
    void scheduleUpdate();

    struct Bound {
        ribbon::RibbonItem *item;
        const richedit::EditorCommand *command;
        bool toggle;
    };

    ribbon::Ribbon &m_ribbon;
    richedit::EditorCommands &m_commands;
    ui::Dialogs &m_dialogs;
    std::vector<Bound> m_bound;
    bool m_pending = false;
    int m_passes = 0;
};

} // namespace commands
