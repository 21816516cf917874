#pragma once

#include "platform/ribbon/RibbonItem.h"

#include <span>

namespace commands {

/// What a row of the ribbon definition is.
enum class RowKind { Tab, Group, Item };

/// What an item runs when clicked.
enum class Binding {
    None,    ///< nothing
    Command, ///< the editor command named by `target`
    Handler, ///< the program's own handler named by `target`
    Menu,    ///< nothing itself: it drops down the entries under it
};

/// Layout marks of an item.
enum Mark : unsigned {
    Sep = 1u << 0,    ///< a separator precedes the item
    Row = 1u << 1,    ///< continues the row of the small item before it
    Grp = 1u << 2,    ///< starts a set of joined buttons
    Icon = 1u << 3,   ///< glyph without caption
    Text = 1u << 4,   ///< small glyph with caption
    Large = 1u << 5,  ///< always large with caption
    Toggle = 1u << 6, ///< shows a pressed state
    Down = 1u << 7,   ///< pressed at start
    Off = 1u << 8,    ///< disabled at start
    Hidden = 1u << 9, ///< never shown
};

/// One row of the ribbon: a tab, a group of the last tab, or an item of the last group (at
/// depth 0) or of the last menu item (at depth 1).
struct RibbonEntry {
    RowKind row;
    const char *name;
    /// The own caption; null when the item shows its command's caption.
    const char *caption;
    ribbon::ItemKind kind = ribbon::ItemKind::Large;
    int depth = 0;
    Binding binding = Binding::None;
    /// The command or handler name.
    const char *target = nullptr;
    unsigned marks = 0;
    int width = 0;
    const char *shortcut = nullptr;
    /// The own hint; null for a command item means the command's hint, for others no hint.
    const char *hint = nullptr;
};

/// The whole ribbon in ribbon order: eleven tabs with their groups, items and menu entries.
std::span<const RibbonEntry> ribbonDefinition();

/// The item's layout marks as the ribbon widget takes them.
ribbon::ItemLayout itemLayout(const RibbonEntry &entry);

} // namespace commands
