#include "TranslationKeys.h"

namespace language {
namespace {

using enum Element;

constexpr TranslationKey row(const char *name, Element element)
{
    return {name, element, name};
}

// clang-format off
constexpr TranslationKey keys[] = {
    // Tab "Soubor".
    {"ZalozkaSouborSoubor", SouborTab, "ZalozkaSoubor"},
    row("ZalozkaSouborSoubor", RibbonGroup),
    row("BSouborNovy", RibbonItem),
    row("BSouborOtevrit", RibbonItem),
    row("BSouborUlozit", RibbonItem),
    row("BSouborUlozitJako", RibbonItem),
    row("zSouborOdeslat", RibbonGroup),
    row("bSouborOdeslatJakoPrilohu", RibbonItem),
    row("bSouborOdeslatJakoTeloMailu", RibbonItem),
    row("ZalozkaSouborTisk", RibbonGroup),
    row("ZalozkaSouborNastaveni", RibbonGroup),
    row("bSouborPredvolbyNastaveni", RibbonItem),

    // Tab "Domů".
    row("ZalozkaDomu", RibbonTab),
    row("ZalozkaDomuSchranka", RibbonGroup),
    row("bDomuSchrankaVlozitJakoObrazek", RibbonItem),
    row("bSouborSchrankaJakoProstyText", RibbonItem),
    row("ZalozkaDomuPismo", RibbonGroup),
    row("bDomuPismoSmazatFormat", RibbonItem),
    row("ZalozkaDomuOdstavec", RibbonGroup),
    row("ZalozkaDomuStyly", RibbonGroup),
    row("ZalozkaDomuUpravy", RibbonGroup),

    // Tab "Vložení".
    row("ZalozkaVlozit", RibbonTab),
    row("ZalozkaVlozitZahlaviZapati", RibbonGroup),
    row("ZalozkaVlozitStranky", RibbonGroup),
    row("ZalozkaVlozitIlustrace", RibbonGroup),
    row("ZalozkaVlozitOdkazy", RibbonGroup),
    row("ZalozkaVlozitSymboly", RibbonGroup),
    row("bVlozenitextHotoveZnaky", RibbonItem),
    row("bVlozeniHotoveZnakyZavorky", RibbonItem),
    row("bVlozeniHotoveZnakyInterpunkce", RibbonItem),
    row("bVlozeniHotoveZnakyProgramatorskeZnaky", RibbonItem),
    row("bVlozeniHotoveZnakySymboly", RibbonItem),
    row("bVlozeniHotoveZnakySmajlici", RibbonItem),
    row("ZalozkaVlozitTabulka", RibbonGroup),
    row("ZalozkaVlozitText", RibbonGroup),
    row("bVlozitDatum", RibbonItem),
    row("bVlozitCas", RibbonItem),
    row("bVlozitDatumCas", RibbonItem),

    // Tab "Rozložení stránky".
    row("ZalozkaRozlozeniStranky", RibbonTab),
    row("ZalozkaRozlozeniStrankyVzhledStranky", RibbonGroup),
    row("bRozlozeniStrankyOrientace", RibbonItem),
    row("bRozlozeniStrankySloupce", RibbonItem),
    row("bRozlozeniStrankyVzhledStrankyKonce", RibbonItem),
    row("bRozlozeniStrankyCislovaniRadku", RibbonItem),
    row("ZalozkaUsporadat", RibbonGroup),
    row("bRozlozeniStrankyUsporadatZalomovatText", RibbonItem),
    row("bRozlozeniStrankyVolbaPozice", RibbonItem),
    row("bRozlozeniStrankyPrenestBliz", RibbonItem),
    row("bRozlozeniStrankyPrenestDal", RibbonItem),

    // Tab "Reference".
    row("ZalozkaReference", RibbonTab),
    row("ZalozkaReferenceObsah", RibbonGroup),
    row("bReferenceObsahPridatText", RibbonItem),
    row("ZalozkaReferenceTitulky", RibbonGroup),
    row("bReferenceTitullkyVlozitTitulek", RibbonItem),
    row("bReferenceTitulkyVlozitSeznam", RibbonItem),

    // Tab "Revize".
    row("ZalozkaRevize", RibbonTab),
    row("ZalozkaRevizePravopis", RibbonGroup),
    row("ZalozkaRevizeZabezpeceni", RibbonGroup),

    // Tab "Zobrazení".
    row("ZalozkaZobrazeni", RibbonTab),
    row("ZalozkaZobrazeniPravopis", RibbonGroup),
    row("bZobrazeniPravopis", RibbonItem),
    row("ZalozkaZobrazeniZobrazeni", RibbonGroup),
    row("ZalozkaZobrazeniPravitka", RibbonGroup),
    row("ZalozkaZobrazeniLupa", RibbonGroup),

    // Tab "Záhlaví a zápatí".
    row("ZalozkaZahlaviZapati", RibbonTab),
    row("ZalozkaZahlaviZapatiNastaveni", RibbonGroup),
    row("ZalozkaZahlaviZapatiNavigace", RibbonGroup),
    row("ZalozkaVlozitZahlaviZapatiZavrit", RibbonGroup),

    // Tab "Návrh Tabulky".
    row("ZalozkaNavrhTabulky", RibbonTab),
    row("ZalozkaNavrhTabulkuOhraniceni", RibbonGroup),
    row("bNavrhDolniOhraniceni", RibbonItem),
    row("ZalozkaNavrhTabulkyStyl", RibbonGroup),

    // Tab "Rozložení tabulky".
    row("ZalozkaRozlozeniTabulky", RibbonTab),
    row("ZalozkaRozlozeniTabulkyTabulka", RibbonGroup),
    row("ZalozkaRozlozeniTabulkyRadkyASloupce", RibbonGroup),
    row("bRozlozeniTabulkyOdstranitTabulku", RibbonItem),
    row("bRozlozeniTabulkyDialog", RibbonItem),
    row("ZalozkaRozlozeniTabulkySloucit", RibbonGroup),
    row("ZalozkaRozlozeniTabulkyZarovnani", RibbonGroup),
    row("ZalozkaRozlozeniStrankyVelikostBunky", RibbonGroup),
    row("bRozlozeniTabulkyPrispusobit", RibbonItem),

    // Tab "Nápověda".
    row("ZalozkaNapoveda", RibbonTab),
    row("ZalozkaNapovedaNapoveda", RibbonGroup),
    row("bNapovedaPrejitNaWeb", RibbonItem),
    row("bNapovedaKontrolaNoveVerze", RibbonItem),
    row("BNapovedaCoJeNoveho", RibbonItem),
    row("bNapovedaOAplikaci", RibbonItem),

    // Secondary windows.
    row("fDatumCas", DateTimeTitle),
    row("lAutor", AboutLabel),
    row("lInfo", AboutLabel),
    row("lWeb", AboutLabel),
    row("lVerze", AboutLabel),
    row("tbMerneJednotky", PreferencesPage),
    row("rgMerneJednotky", PreferencesGroup),
    {"RadioGroupJednotkyItem0", PreferencesItem, "rgMerneJednotky", 0},
    {"RadioGroupJednotkyItem1", PreferencesItem, "rgMerneJednotky", 1},
    {"RadioGroupJednotkyItem2", PreferencesItem, "rgMerneJednotky", 2},
    row("tbPravopis", PreferencesPage),
    row("cbVlastniSlovnik", PreferencesText),
    row("lNahratDic", PreferencesText),
    row("lNahratAff", PreferencesText),
    row("lJazyk", PreferencesText),
    row("bPridatSlovnik", PreferencesText),
};

constexpr MessageKey messages[] = {
    {"SaveChanges", "Chcete uložit změny v souboru?"},
    {"NovaVerzeBylaNalezena", "Byla nalezena nová verze:"},
    {"PrejeteSiStahnout", "Přejete si ji stáhnout?"},
    {"PouzivateNejnovejsiVerzi", "Používáte nejnovější verzi."},
    {"ZadejteNazevSouboru", "Zadejte název souboru:."},
};
// clang-format on

} // namespace

std::span<const TranslationKey> translationKeys()
{
    return keys;
}

std::span<const MessageKey> messageKeys()
{
    return messages;
}

} // namespace language
