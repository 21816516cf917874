#pragma once

#include "platform/richedit/model/PaperKind.h"

#include <QString>

#include <functional>
#include <span>

namespace localizer {
class Localizer;
}
namespace richedit {
class RichEditControl;
}

namespace language {

/// The nine interface languages.
enum class Language { English, Czech, German, French, Italian, Polish, Spanish, Slovak, Russian };

/// One row of the language table: everything a switch to that language uses.
struct LanguageRow {
    Language language;
    /// The section of the translation table, also the code the settings file stores.
    const char *code;
    /// The localizer file, relative to the program's folder.
    const char *localizerFile;
    /// The Windows language id of the localizer's section.
    int localeId;
    /// Whether the unit's standard page is applied first.
    bool standardPageFirst;
    /// The paper of the document's first section.
    richedit::PaperKind paper;
};

/// The nine rows, in the order en, cs, de, fr, it, pl, es, sk, ru.
std::span<const LanguageRow> languageTable();
const LanguageRow &languageRow(Language language);
/// The row of a code, compared exactly (letter case included); null when none matches.
const LanguageRow *languageForCode(const QString &code);

/// What a switch acts on.
struct SwitchSteps {
    std::function<void()> applyStandardPage;
    std::function<void(const QString &code)> loadTranslations;
    localizer::Localizer &localizer;
    richedit::RichEditControl &editor;
    /// The program's folder, with a trailing separator.
    QString programFolder;
};

/// Switches the interface to a language: the unit's standard page (all but English), the
/// translation table, the localizer's file, activation and locale, and the first section's
/// paper, in this order. An error stops the switch where it happens and reaches the caller.
void switchLanguage(const LanguageRow &row, const SwitchSteps &steps);

} // namespace language
