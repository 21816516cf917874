#include "Locales.h"

#include <algorithm>

namespace spellchecker {

namespace {

using L = QLocale;

// Windows language ids of the locales Hunspell dictionaries are commonly made for.
// clang-format off
const LocaleLanguage languages[] = {
    {1078, L::Afrikaans, L::SouthAfrica}, {1052, L::Albanian, L::Albania}, {1025, L::Arabic, L::SaudiArabia},
    {1069, L::Basque, L::Spain}, {1059, L::Belarusian, L::Belarus}, {1026, L::Bulgarian, L::Bulgaria},
    {1027, L::Catalan, L::Spain}, {2052, L::Chinese, L::China}, {1028, L::Chinese, L::Taiwan},
    {1050, L::Croatian, L::Croatia}, {1029, L::Czech, L::Czechia}, {1030, L::Danish, L::Denmark},
    {1043, L::Dutch, L::Netherlands}, {2067, L::Dutch, L::Belgium}, {3081, L::English, L::Australia},
    {4105, L::English, L::Canada}, {2057, L::English, L::UnitedKingdom}, {1033, L::English, L::UnitedStates},
    {1061, L::Estonian, L::Estonia}, {1035, L::Finnish, L::Finland}, {2060, L::French, L::Belgium},
    {3084, L::French, L::Canada}, {1036, L::French, L::France}, {4108, L::French, L::Switzerland},
    {1110, L::Galician, L::Spain}, {3079, L::German, L::Austria}, {1031, L::German, L::Germany},
    {2055, L::German, L::Switzerland}, {1032, L::Greek, L::Greece}, {1037, L::Hebrew, L::Israel},
    {1081, L::Hindi, L::India}, {1038, L::Hungarian, L::Hungary}, {1039, L::Icelandic, L::Iceland},
    {1057, L::Indonesian, L::Indonesia}, {2108, L::Irish, L::Ireland}, {1040, L::Italian, L::Italy},
    {2064, L::Italian, L::Switzerland}, {1041, L::Japanese, L::Japan}, {1042, L::Korean, L::SouthKorea},
    {1062, L::Latvian, L::Latvia}, {1063, L::Lithuanian, L::Lithuania}, {1071, L::Macedonian, L::Macedonia},
    {1044, L::NorwegianBokmal, L::Norway}, {1045, L::Polish, L::Poland}, {1046, L::Portuguese, L::Brazil},
    {2070, L::Portuguese, L::Portugal}, {1048, L::Romanian, L::Romania}, {1049, L::Russian, L::Russia},
    {1051, L::Slovak, L::Slovakia}, {1060, L::Slovenian, L::Slovenia}, {2058, L::Spanish, L::Mexico},
    {3082, L::Spanish, L::Spain}, {1053, L::Swedish, L::Sweden}, {1054, L::Thai, L::Thailand},
    {1055, L::Turkish, L::Turkey}, {1058, L::Ukrainian, L::Ukraine}, {1066, L::Vietnamese, L::Vietnam},
    {1106, L::Welsh, L::UnitedKingdom},
};
// clang-format on

constexpr LocaleId englishUnitedStates = 1033;

} // namespace

QString LocaleLanguage::displayName() const
{
    return QStringLiteral("%1 (%2)").arg(QLocale::languageToString(language), QLocale::territoryToString(territory));
}

QList<LocaleLanguage> localeLanguages()
{
    QList<LocaleLanguage> result(std::begin(languages), std::end(languages));
    std::stable_sort(result.begin(), result.end(), [](const LocaleLanguage &a, const LocaleLanguage &b) {
        return a.displayName().localeAwareCompare(b.displayName()) < 0;
    });
    return result;
}

LocaleId systemLocaleId()
{
    const QLocale system = QLocale::system();
    for (const LocaleLanguage &entry : languages)
        if (entry.language == system.language() && entry.territory == system.territory())
            return entry.id;
    for (const LocaleLanguage &entry : languages)
        if (entry.language == system.language())
            return entry.id;
    return englishUnitedStates;
}

} // namespace spellchecker
