#pragma once

#include <QString>

#include <span>
#include <string_view>

class QObject;

namespace richedit {
class RichEditControl;
}

namespace commands {

/// The click handler of a ribbon item: the editor it works on and the clicked item.
using ItemClickHandler = void (*)(richedit::RichEditControl &editor, QObject *Sender);

/// One of the five menus of "Hotové znaky" (`bVlozenitextHotoveZnaky`).
struct ReadyMadeMenu {
    const char *component;
    const char *caption; // UTF-8
    bool separatorBefore;
};

/// One ready-made entry: a large-button item whose caption is the text it inserts.
struct ReadyMadeCharacter {
    const char *component;
    const char *menu;      // the component name of its menu
    std::u32string_view codePoints;
    const char *clickHandlerName; // component + "Click"
    ItemClickHandler click;

    /// The caption, which is also the hint and the inserted text; never translated.
    QString caption() const { return QString::fromUcs4(codePoints.data(), qsizetype(codePoints.size())); }
    QString hint() const { return caption(); }
};

/// The item that opens the five menus.
inline constexpr const char *readyMadeMenuButton = "bVlozenitextHotoveZnaky";
inline constexpr const char *readyMadeMenuButtonCaption = "Hotové znaky";

/// The five menus in their order.
std::span<const ReadyMadeMenu> readyMadeMenus();
/// The 29 entries, grouped by menu in menu order.
std::span<const ReadyMadeCharacter> readyMadeCharacters();
/// The entry with this component name, or null.
const ReadyMadeCharacter *findReadyMadeCharacter(QStringView component);

/// Inserts the caption of `Sender` at the caret and gives the editor the keyboard focus, if
/// `Sender` is an item that carries a caption (a QAction, as menu items are); any other
/// sender, null included, changes nothing.
void VlozitHotovyZnak(richedit::RichEditControl &editor, QObject *Sender);

// One click handler per entry, `<component>Click`, each passing its sender on to
// `VlozitHotovyZnak`.
#define READY_MADE_CHARACTER(component, menu, ...)                                                 \
    void component##Click(richedit::RichEditControl &editor, QObject *Sender);
#include "ReadyMadeCharacters.inc"
#undef READY_MADE_CHARACTER

} // namespace commands
