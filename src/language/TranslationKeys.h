#pragma once

#include <span>

namespace language {

/// What kind of element a key of the translation table sets the text of.
enum class Element {
    SouborTab,         ///< the tab "Soubor": its key is the group's, its default the group's caption
    RibbonTab,         ///< a ribbon tab's caption
    RibbonGroup,       ///< a ribbon group's caption
    RibbonItem,        ///< a ribbon item's caption (button, large button, sub-menu)
    DateTimeTitle,     ///< the date-and-time dialog's title
    AboutLabel,        ///< a label of the About window
    PreferencesPage,   ///< a page title of the preferences dialog
    PreferencesGroup,  ///< the caption of the preferences dialog's unit group
    PreferencesItem,   ///< an item of the unit group, by index
    PreferencesText,   ///< the text of a check box, label or button of the preferences dialog
};

/// One row of the key table: the key, the element kind and the element's component name.
struct TranslationKey {
    const char *key;
    Element element;
    const char *name;
    int item = -1;
};

/// Every row of the key table, in table order; the tab "Soubor" comes before its group.
std::span<const TranslationKey> translationKeys();

/// One of the five message texts: its key and the Czech text used when the key is absent.
struct MessageKey {
    const char *key;
    const char *czechDefault;
};

/// "SaveChanges", "NovaVerzeBylaNalezena", "PrejeteSiStahnout", "PouzivateNejnovejsiVerzi",
/// "ZadejteNazevSouboru", in this order.
std::span<const MessageKey> messageKeys();

} // namespace language
