#include "LanguageSwitch.h"

#include "commands/UnitsAndMargins.h"
#include "platform/localizer/Localizer.h"

#include <QtGlobal>

namespace language {
namespace {

using richedit::PaperKind;

// English has no localizer file of its own: it names the Czech one with its own locale, which
// that file does not translate, so the engine's built-in English shows.
constexpr LanguageRow table[] = {
    {Language::English, "en", "Languages/czech.ini", 1033, false, PaperKind::Letter},
    {Language::Czech, "cs", "Languages/czech.ini", 1029, true, PaperKind::A4},
    {Language::German, "de", "Languages/deutch.ini", 1031, true, PaperKind::A4},
    {Language::French, "fr", "Languages/french.ini", 1036, true, PaperKind::A4},
    {Language::Italian, "it", "Languages/italian.ini", 1040, true, PaperKind::A4},
    {Language::Polish, "pl", "Languages/polish.ini", 1045, true, PaperKind::A4},
    {Language::Spanish, "es", "Languages/spanish.ini", 1034, true, PaperKind::A4},
    {Language::Slovak, "sk", "Languages/slovak.ini", 1051, true, PaperKind::A4},
    {Language::Russian, "ru", "Languages/russian.ini", 1049, true, PaperKind::A4},
};

} // namespace

std::span<const LanguageRow> languageTable()
{
    return table;
}

const LanguageRow &languageRow(Language language)
{
    for (const LanguageRow &row : table)
        if (row.language == language)
            return row;
    Q_UNREACHABLE();
}

const LanguageRow *languageForCode(const QString &code)
{
    for (const LanguageRow &row : table)
        if (code == QLatin1String(row.code))
            return &row;
    return nullptr;
}

void switchLanguage(const LanguageRow &row, const SwitchSteps &steps)
{
    if (row.standardPageFirst)
        steps.applyStandardPage();
    steps.loadTranslations(QString::fromLatin1(row.code));
    steps.localizer.SetFileName(steps.programFolder + QString::fromLatin1(row.localizerFile));
    steps.localizer.SetActive(true);
    steps.localizer.SetLocale(row.localeId);
    commands::setFirstSectionPaper(steps.editor, row.paper);
}

} // namespace language
