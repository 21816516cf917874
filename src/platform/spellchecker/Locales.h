#pragma once

#include "Dictionaries.h"

#include <QList>
#include <QLocale>
#include <QString>

namespace spellchecker {

/// A language a dictionary can be for: its Windows language id and the locale it names.
struct LocaleLanguage {
    LocaleId id;
    QLocale::Language language;
    QLocale::Territory territory;

    /// The name shown to the user, e.g. "Czech (Czechia)".
    QString displayName() const;
};

/// The languages dictionaries are offered for, ordered by their shown names.
QList<LocaleLanguage> localeLanguages();

/// The Windows language id of the system's locale: of its language and territory, else of
/// its language alone, else of English (United States).
LocaleId systemLocaleId();

} // namespace spellchecker
