#include "SpellingDictionaries.h"

#include "platform/spellchecker/HunspellDictionary.h"
#include "platform/spellchecker/Locales.h"
#include "platform/spellchecker/SpellChecker.h"
#include "platform/spellchecker/UserDictionary.h"

#include <QApplication>
#include <QCursor>

namespace spelling {

namespace {

// clang-format off
const LanguageDictionary languageDictionaries[] = {
    {"en", 2, "en_US", 1033, false},
    {"cs", 0, "cs_CZ", 1029, true},
    {"de", 3, "de_DE", 1031, true},
    {"fr", 4, "fr_FR", 1036, false},
    {"it", 5, "it_IT", 1040, false},
    {"pl", 6, "pl_PL", 1045, false},
    {"es", 7, "es_ES", 3082, false},
    {"sk", 8, "sk_SK", 1051, true},
    {"ru", 9, "ru_RU", 1049, false},
};
// clang-format on

constexpr int layoutEntries = 10;

/// The hourglass while a dictionary is read; the previous cursor comes back on every way out.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

const LanguageDictionary *languageDictionary(const QString &code)
{
    for (const LanguageDictionary &dictionary : languageDictionaries)
        if (code == QLatin1String(dictionary.code))
            return &dictionary;
    return nullptr;
}

void configureDictionaries(spellchecker::SpellChecker &checker)
{
    for (int position = 0; position < layoutEntries; ++position) {
        if (position == userWordListPosition) {
            checker.addUserDictionary(QStringLiteral("Dictionaries/Custom.txt"), 1250);
            continue;
        }
        for (const LanguageDictionary &dictionary : languageDictionaries) {
            if (dictionary.position != position)
                continue;
            spellchecker::HunspellDictionary &entry = checker.addHunspellDictionary(dictionary.language);
            const QString designed = QStringLiteral("Dictionaries/") + QLatin1String(dictionary.stem);
            entry.setGrammarPath(designed + QStringLiteral(".aff"));
            entry.setDictionaryPath(designed + QStringLiteral(".dic"));
            entry.setEnabled(false);
        }
    }
}

void loadLanguageDictionary(spellchecker::SpellChecker &checker, const QString &programFolder,
                            const LanguageDictionary &dictionary)
{
    const QString folder = programFolder + QStringLiteral("Dictionaries/");
    spellchecker::HunspellDictionary &entry = *checker.hunspellAt(dictionary.position);
    entry.setGrammarPath(folder + QLatin1String(dictionary.stem) + QStringLiteral(".aff"));
    entry.setDictionaryPath(folder + QLatin1String(dictionary.stem) + QStringLiteral(".dic"));
    {
        const WaitCursor wait;
        if (dictionary.loadBeforeEnabling) {
            entry.Load();
            entry.setEnabled(true);
        } else {
            entry.setEnabled(true);
            entry.Load();
        }
    }
    checker.Dictionaries(userWordListPosition).Load();
}

void loadCustomDictionary(spellchecker::SpellChecker &checker, const QString &affixPath, const QString &wordPath,
                          std::optional<spellchecker::LocaleId> language)
{
    for (int position = 0; position < layoutEntries && position < checker.count(); ++position)
        checker.Dictionaries(position).setEnabled(false);
    spellchecker::HunspellDictionary &entry =
        checker.addHunspellDictionary(language.value_or(spellchecker::systemLocaleId()));
    entry.setGrammarPath(affixPath);
    entry.setDictionaryPath(wordPath);
    const WaitCursor wait;
    entry.Load();
}

} // namespace spelling
