#include "ReadyMadeCharacters.h"

#include "CaretInsertion.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QAction>

#include <iterator>

namespace commands {

#define READY_MADE_CHARACTER(component, menu, ...)                                                 \
    void component##Click(richedit::RichEditControl &editor, QObject *Sender)                    \
    {                                                                                              \
        VlozitHotovyZnak(editor, Sender);                                                          \
    }
#include "ReadyMadeCharacters.inc"
#undef READY_MADE_CHARACTER

namespace {

#define READY_MADE_CHARACTER(component, menu, ...) constexpr char32_t component##Text[] = {__VA_ARGS__};
#include "ReadyMadeCharacters.inc"
#undef READY_MADE_CHARACTER

const ReadyMadeMenu menus[] = {
    {"bVlozeniHotoveZnakyZavorky", "Závorky", false},
    {"bVlozeniHotoveZnakyInterpunkce", "Interpunkce", false},
    {"bVlozeniHotoveZnakyProgramatorskeZnaky", "Programátorské znaky", false},
    {"bVlozeniHotoveZnakySymboly", "Symboly", true},
    {"bVlozeniHotoveZnakySmajlici", "Smajlíci", false},
};

const ReadyMadeCharacter characters[] = {
#define READY_MADE_CHARACTER(component, menu, ...)                                                 \
    {#component, #menu, std::u32string_view(component##Text, std::size(component##Text)),          \
     #component "Click", &component##Click},
#include "ReadyMadeCharacters.inc"
#undef READY_MADE_CHARACTER
};

} // namespace

std::span<const ReadyMadeMenu> readyMadeMenus()
{
    return menus;
}

std::span<const ReadyMadeCharacter> readyMadeCharacters()
{
    return characters;
}

const ReadyMadeCharacter *findReadyMadeCharacter(QStringView component)
{
    for (const ReadyMadeCharacter &entry : characters)
        if (component == QLatin1StringView(entry.component))
            return &entry;
    return nullptr;
}

void VlozitHotovyZnak(richedit::RichEditControl &editor, QObject *Sender)
{
    const auto *item = qobject_cast<QAction *>(Sender);
    if (!item)
        return;
    InsertText(editor, item->text());
    editor.setFocus();
}

} // namespace commands
