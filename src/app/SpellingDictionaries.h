#pragma once

#include "platform/spellchecker/Dictionaries.h"

#include <QString>

#include <optional>

namespace spellchecker {
class SpellChecker;
}

namespace spelling {

/// One of the nine language dictionaries: its place in the checker's list, its file stem,
/// its language and whether its loader loads before enabling (which decides whether an entry
/// whose files are missing ends enabled or not).
struct LanguageDictionary {
    const char *code;
    int position;
    const char *stem;
    spellchecker::LocaleId language;
    bool loadBeforeEnabling;
};

/// The nine language dictionaries by interface language code, in the order of the codes.
const LanguageDictionary *languageDictionary(const QString &code);

/// Position of the user word list in the checker's list.
constexpr int userWordListPosition = 1;

/// Fills an empty checker with the ten entries of the layout: the nine language dictionaries
/// (disabled, not loaded) and the user word list "Dictionaries/Custom.txt" (enabled, not
/// loaded), at their fixed positions.
void configureDictionaries(spellchecker::SpellChecker &checker);

/// Points the language's entry at its files in the program's "Dictionaries" folder, enables
/// and loads it in the language's order, then loads the user word list. Other entries keep
/// their state. A missing file throws with the file's name and leaves the entry unloaded.
void loadLanguageDictionary(spellchecker::SpellChecker &checker, const QString &programFolder,
                            const LanguageDictionary &dictionary);

/// Switches the ten entries of the layout off and appends a custom Hunspell dictionary made
/// of the two files, enabled, then loads it. Earlier custom dictionaries stay as they are.
/// A load that fails throws; the appended entry stays, enabled and not loaded.
void loadCustomDictionary(spellchecker::SpellChecker &checker, const QString &affixPath, const QString &wordPath,
                          std::optional<spellchecker::LocaleId> language);

} // namespace spelling
