#include "RibbonDefinition.h"

namespace commands {
namespace {

using ribbon::ItemKind;
constexpr ItemKind L = ItemKind::Large;
constexpr ItemKind S = ItemKind::Small;
constexpr ItemKind M = ItemKind::Menu;
constexpr ItemKind G = ItemKind::Gallery;
constexpr ItemKind C = ItemKind::Combo;

constexpr RibbonEntry tab(const char *name, const char *caption)
{
    return {RowKind::Tab, name, caption};
}

constexpr RibbonEntry group(const char *name, const char *caption)
{
    return {RowKind::Group, name, caption};
}

/// An item that shows its command's caption and hint.
constexpr RibbonEntry cmd(ItemKind kind, const char *name, const char *command, unsigned marks = 0, int width = 0)
{
    return {RowKind::Item, name, nullptr, kind, 0, Binding::Command, command, marks, width};
}

/// An item with its own caption that keeps its command's hint.
constexpr RibbonEntry ownCmd(ItemKind kind, const char *name, const char *caption, const char *command,
                             unsigned marks = 0, const char *hint = nullptr)
{
    return {RowKind::Item, name, caption, kind, 0, Binding::Command, command, marks, 0, nullptr, hint};
}

/// An item that runs the program's own handler; its hint is its caption unless given.
constexpr RibbonEntry handler(ItemKind kind, const char *name, const char *caption, const char *handlerName,
                              unsigned marks = 0, const char *hint = nullptr)
{
    return {RowKind::Item, name, caption, kind, 0, Binding::Handler, handlerName, marks, 0, nullptr,
            hint ? hint : caption};
}

/// An item that runs nothing; its hint is its caption unless given.
constexpr RibbonEntry none(ItemKind kind, const char *name, const char *caption, unsigned marks = 0,
                           const char *hint = nullptr)
{
    return {RowKind::Item, name, caption, kind, 0, Binding::None, nullptr, marks, 0, nullptr, hint ? hint : caption};
}

/// A drop-down menu; menus have no hint unless given.
constexpr RibbonEntry menu(ItemKind kind, const char *name, const char *caption, unsigned marks = 0,
                           const char *hint = nullptr)
{
    return {RowKind::Item, name, caption, kind, 0, Binding::Menu, nullptr, marks, 0, nullptr, hint};
}

/// An entry of the menu item above it.
constexpr RibbonEntry sub(RibbonEntry entry)
{
    entry.depth = 1;
    return entry;
}

constexpr RibbonEntry withShortcut(RibbonEntry entry, const char *shortcut)
{
    entry.shortcut = shortcut;
    return entry;
}

// clang-format off
const RibbonEntry definition[] = {
    tab("ZalozkaSoubor", "Soubor"),
    group("ZalozkaSouborSoubor", "Soubor"),
    handler(L, "BSouborNovy", "Nový", "BSouborNovyClick", 0, "Vytvořte nový dokument."),
    handler(L, "BSouborOtevrit", "Otevřít", "acOtevritExecute", 0, "Otevře dokument"),
    handler(L, "BSouborUlozit", "Uložit", "BSouborUlozitClick", 0, "Uložte dokument."),
    handler(L, "BSouborUlozitJako", "Uložit jako", "BSouborUlozitJakoClick"),
    group("zSouborOdeslat", "Odeslat"),
    handler(L, "bSouborOdeslatJakoPrilohu", "Jako přílohu", "bSouborOdeslatJakoPrilohuClick"),
    handler(L, "bSouborOdeslatJakoTeloMailu", "Do těla e-mailu", "bSouborOdeslatJakoTeloMailuClick"),
    group("ZalozkaSouborTisk", "Tisk"),
    cmd(L, "bSouborTisk", "ShowPrintForm"),
    cmd(L, "bSouborNahledPredTiskem", "ShowPrintPreviewForm"),
    cmd(L, "bSouborNastaveniTisku", "ShowPageSetupForm"),
    group("ZalozkaSouborNastaveni", "Předvolby"),
    handler(L, "bSouborPredvolbyNastaveni", "Nastavní programu", "bSouborPredvolbyNastaveniClick"),

    tab("ZalozkaDomu", "Domů"),
    group("ZalozkaDomuSchranka", "Schránka"),
    cmd(L, "bVlozit", "PasteSelection"),
    handler(S, "bDomuSchrankaVlozitJakoObrazek", "Jako obrázek", "bDomuSchrankaVlozitJakoObrazekClick", Sep | Text),
    withShortcut(handler(S, "bSouborSchrankaJakoProstyText", "Jako prostý text", "bSouborSchrankaJakoProstyTextClick", Text), "Ctrl+Shift+V"),
    cmd(S, "bVyjmout", "CutSelection", Sep),
    cmd(S, "bKopirovat", "CopySelection"),
    group("ZalozkaDomuPismo", "Písmo"),
    cmd(C, "bePismo", "ChangeFontName", 0, 229),
    cmd(C, "beVelikostPisma", "ChangeFontSize", Row, 72),
    cmd(S, "bDomuZvetsitPismo", "IncreaseFontSize", Row | Icon),
    cmd(S, "bDomuZmensitPismo", "DecreaseFontSize", Row | Icon),
    handler(S, "bDomuPismoSmazatFormat", "Smazat formát", "bDomuPismoSmazatFormatClick", Row | Icon | Off),
    cmd(S, "bDomuTucne", "ToggleFontBold", Icon | Toggle),
    cmd(S, "bDomuKurziva", "ToggleFontItalic", Row | Icon | Toggle),
    cmd(S, "bDomuPodtrzene", "ToggleFontUnderline", Row | Icon | Toggle),
    cmd(S, "bDomuDvojtePodtrzene", "ToggleFontDoubleUnderline", Row | Icon | Toggle),
    cmd(S, "bDomuPreskrtnute", "ToggleFontStrikeout", Row | Icon | Toggle),
    cmd(S, "bDomuDvojtePreskrtnute", "ToggleFontDoubleStrikeout", Row | Icon | Toggle),
    cmd(S, "bDomuDolniIndex", "ToggleFontSubscript", Row | Grp | Toggle),
    cmd(S, "bDomuHorniIndex", "ToggleFontSuperscript", Row | Icon | Toggle),
    cmd(G, "bDomuBarvaPismaPozadi", "TextHighlight", Row | Grp | Icon),
    cmd(G, "bDomuBarvaPisma", "ChangeFontColor", Row | Icon),
    cmd(L, "bDomuPismoDialog", "ShowFontForm", Sep),
    group("ZalozkaDomuOdstavec", "Odstavec"),
    cmd(S, "bDomuOdrazky", "ToggleBulletedList", Icon | Toggle),
    cmd(S, "bDomuCislovani", "ToggleSimpleNumberingList", Row | Icon | Toggle),
    // The layout leaves these two unbound although their commands exist; a button that does
    // nothing would only puzzle the user, so they get the commands they name.
    ownCmd(S, "bDomuViceUrovni", "Více úrovní", "ToggleMultiLevelList", Row | Icon | Toggle, "Spusťte víceúrovňový seznam."),
    cmd(S, "bDomuZmensitOdsazeni", "DecrementIndent", Row | Grp | Icon),
    cmd(S, "bDomuZvetsitOdsazeni", "IncrementIndent", Row | Icon),
    cmd(S, "bDomuNestisknuteZnaky", "ToggleShowWhitespace", Row | Grp | Icon | Toggle),
    cmd(S, "bDomuVlevo", "ToggleParagraphAlignmentLeft", Icon | Toggle),
    cmd(S, "bDomuNaStred", "ToggleParagraphAlignmentCenter", Row | Icon | Toggle),
    cmd(S, "bDomuVpravo", "ToggleParagraphAlignmentRight", Row | Icon | Toggle),
    cmd(S, "bDomuDoBloku", "ToggleParagraphAlignmentJustify", Row | Icon | Toggle),
    menu(M, "bSouborRadkovani", "Řádkování", Row | Icon, "Změnit řádkování"),
    sub(cmd(S, "bRadkovani1", "SetSingleParagraphSpacing", Toggle)),
    sub(cmd(S, "bRadkovani15", "SetSesquialteralParagraphSpacing", Toggle)),
    sub(cmd(S, "bRadkovani2", "SetDoubleParagraphSpacing", Toggle)),
    sub(cmd(S, "bOdstavec", "ShowParagraphForm")),
    menu(M, "bDomuPrevodVelikosti", "Převod velikosti", Row | Icon),
    sub(cmd(S, "bDomuPrevodVelikostiNaVelkaP", "TextUpperCase")),
    sub(cmd(S, "bDomuPrevodVelikostiNaMalaP", "TextLowerCase")),
    group("ZalozkaDomuStyly", "Styly"),
    cmd(L, "bDomuStylyDialog", "ShowEditStyleForm"),
    group("ZalozkaDomuUpravy", "Úpravy"),
    cmd(L, "bDomuUpravyZpet", "Undo"),
    cmd(L, "bDomuUpravyVpred", "Redo"),
    cmd(L, "bDomuUpravyHledat", "SearchFind", Sep),
    ownCmd(L, "bDomuUpravyHledatDalsi", "Find Next", "SearchFindNext", Large),
    cmd(L, "bDomuUpravyNahradit", "SearchReplace"),
    cmd(L, "bVybratVse", "SelectAll", Sep),

    tab("ZalozkaVlozit", "Vložení"),
    group("ZalozkaVlozitZahlaviZapati", "Záhlaví a zápatí"),
    cmd(L, "bZalozkaVlozitZahlavi", "EditPageHeader"),
    cmd(L, "bZalozkaVlozitZapati", "EditPageFooter"),
    cmd(L, "bVlozitCisloStranky", "InsertPageNumberField", Sep),
    cmd(L, "bVlozitPocetStranek", "InsertPageCountField"),
    group("ZalozkaVlozitStranky", "Stránky"),
    cmd(L, "bVlozitKonecStranky", "InsertPageBreak"),
    group("ZalozkaVlozitIlustrace", "Ilustrace"),
    cmd(L, "bVlozitObrazek", "InsertPicture"),
    group("ZalozkaVlozitOdkazy", "Odkazy"),
    cmd(L, "bVlozitZalozky", "ShowBookmarkForm"),
    cmd(L, "bVlozitHyperLink", "ShowHyperlinkForm"),
    group("ZalozkaVlozitSymboly", "Symboly"),
    cmd(L, "bVlozitSymbol", "ShowSymbolForm"),
    menu(M, "bVlozenitextHotoveZnaky", "Hotové znaky", Row),
    sub(menu(M, "bVlozeniHotoveZnakyZavorky", "Závorky")),
    sub(menu(M, "bVlozeniHotoveZnakyInterpunkce", "Interpunkce")),
    sub(menu(M, "bVlozeniHotoveZnakyProgramatorskeZnaky", "Programátorské znaky")),
    sub(menu(M, "bVlozeniHotoveZnakySymboly", "Symboly", Sep)),
    sub(menu(M, "bVlozeniHotoveZnakySmajlici", "Smajlíci")),
    group("ZalozkaVlozitTabulka", "Tabulka"),
    cmd(L, "bVlozitTabulka", "ShowInsertTableForm"),
    group("ZalozkaVlozitText", "Text"),
    cmd(L, "bVlozitTextovePole", "InsertTextBox"),
    handler(L, "bVlozitDatum", "Datum", "bVlozitDatumClick", Sep),
    handler(L, "bVlozitCas", "Čas", "bVlozitCasClick"),
    handler(L, "bVlozitDatumCas", "Datum a čas", "bVlozitDatumCasClick", 0, "Zobrazí dialog pro vložení datumu a času."),

    tab("ZalozkaRozlozeniStranky", "Rozložení stránky"),
    group("ZalozkaRozlozeniStrankyVzhledStranky", "Vzhled stránky"),
    cmd(L, "bRozlozeniStrankyOkraje", "ShowPageMarginsSetupForm"),
    menu(M, "bRozlozeniStrankyOrientace", "Orientace"),
    sub(cmd(L, "bRozlozeniStrankyNavysku", "SetPortraitPageOrientation", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyNaSirku", "SetLandscapePageOrientation", Toggle)),
    cmd(L, "bRozlozeniStrankyDalsiVelikosti", "ShowPagePaperSetupForm"),
    menu(M, "bRozlozeniStrankySloupce", "Sloupce"),
    sub(cmd(S, "bRozlozeniStrankyJedenSloupec", "SetSectionOneColumn", Toggle)),
    sub(cmd(S, "bRozlozeniStrankyJDvaSloupce", "SetSectionTwoColumns", Toggle)),
    sub(cmd(S, "bRozlozeniStrankyJTriSloupce", "SetSectionThreeColumns", Toggle)),
    sub(cmd(S, "bRozlozeniStrankyJViceSloupcu", "ShowColumnsSetupForm")),
    menu(M, "bRozlozeniStrankyVzhledStrankyKonce", "Konce"),
    sub(cmd(L, "bRozlozeniStrankyKonecStranky", "InsertPageBreak")),
    sub(cmd(L, "bRozlozeniStrankyVzhledStrankyKonecOdstavec", "InsertColumnBreak")),
    sub(cmd(L, "bRozlozeniStrankyVzhledStrankyKonecDalsiStranka", "InsertSectionBreakNextPage")),
    sub(cmd(L, "bRozlozeniStrankyVzhledStrankyKonecSudaStranka", "InsertSectionBreakEvenPage")),
    sub(cmd(L, "bRozlozeniStrankyVzhledStrankyKonecLichaStranka", "InsertSectionBreakOddPage")),
    menu(M, "bRozlozeniStrankyCislovaniRadku", "Číslování řádků"),
    sub(cmd(L, "bRozlozeniStrankyVzhledStrankyZadneRadkovani", "SetSectionLineNumberingNone", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyVzhledStrankyNepretrzite", "SetSectionLineNumberingContinuous", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyVzhledStrankyKazdouStrankuZvlast", "SetSectionLineNumberingRestartNewPage", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyVzhledStrankyKazdyOddilZvlast", "SetSectionLineNumberingRestartNewSection", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyVzhledStrankyMoznostiCislovaniRadku", "ShowLineNumberingForm")),
    group("ZalozkaRozlozeniStrankyBarva", "Barva"),
    cmd(G, "bRozlozeniStrankyBarvaStranky", "ChangePageColor"),
    group("ZalozkaUsporadat", "Uspořádat"),
    menu(M, "bRozlozeniStrankyUsporadatZalomovatText", "Zalomovat text"),
    sub(cmd(L, "bRozlozeniStrankyUsporadatZalomovatTextCtverec", "SetFloatingObjectSquareTextWrapType", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatZalomovatTextUvnitr", "SetFloatingObjectTightTextWrapType", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatZalomovatTextNahoreADole", "SetFloatingObjectTopAndBottomTextWrapType", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatZalomovatTextZaTextem", "SetFloatingObjectBehindTextWrapType", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatZalomovatTextPredTextem", "SetFloatingObjectThroughTextWrapType", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatZalomovatTextTesne", "SetFloatingObjectInFrontOfTextWrapType", Toggle)),
    menu(M, "bRozlozeniStrankyVolbaPozice", "Pozice", Sep),
    sub(cmd(L, "bRozlozeniStrankyUsporadatNahoreVlevo", "SetFloatingObjectTopLeftAlignment", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatNahoreUprostred", "SetFloatingObjectTopCenterAlignment", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatNahoreVpravo", "SetFloatingObjectTopRightAlignment", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatUprostredVlevo", "SetFloatingObjectMiddleLeftAlignment", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatVCentruUprostred", "SetFloatingObjectMiddleCenterAlignment", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatUprostredVpravo", "SetFloatingObjectMiddleRightAlignment", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatDoleVlevo", "SetFloatingObjectBottomLeftAlignment", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatDoleUprostred", "SetFloatingObjectBottomCenterAlignment", Toggle)),
    sub(cmd(L, "bRozlozeniStrankyUsporadatDoleVpravo", "SetFloatingObjectBottomRightAlignment", Toggle)),
    menu(M, "bRozlozeniStrankyPrenestBliz", "Přenést do popředí"),
    sub(cmd(L, "bRozlozeniStrankyUsporadatPrinestBliz", "FloatingObjectBringForward")),
    sub(cmd(L, "bRozlozeniStrankyUsporadatPrenestDoPopredi", "FloatingObjectBringToFront")),
    sub(cmd(L, "bRozlozeniStrankyUsporadatPrenestPredText", "FloatingObjectBringInFrontOfText")),
    menu(M, "bRozlozeniStrankyPrenestDal", "Přenést dál"),
    sub(cmd(L, "bRozlozeniStrankyUsporadatPrenestDal", "FloatingObjectSendBackward")),
    sub(cmd(L, "bRozlozeniStrankyUsporadatPrenestDoPozadi", "FloatingObjectSendToBack")),
    sub(cmd(L, "bRozlozeniStrankyUsporadatPrenestZaText", "FloatingObjectSendBehindText")),

    tab("ZalozkaReference", "Reference"),
    group("ZalozkaReferenceObsah", "Obsah"),
    cmd(L, "bReferenceObsahObsah", "InsertTableOfContents"),
    cmd(L, "bReferenceObsahAktualizovatObsah", "UpdateTableOfContents"),
    menu(M, "bReferenceObsahPridatText", "Přidat text"),
    sub(cmd(L, "bReferenceObsahNezobrazovatVObsahu", "TableOfContentsSetParagraphBodyTextLevel", Toggle)),
    sub(cmd(L, "bReferenceObsahLevel1", "TableOfContentsSetParagraphHeading1Level", Toggle)),
    sub(cmd(L, "bReferenceObsahLevel2", "TableOfContentsSetParagraphHeading2Level", Toggle)),
    sub(cmd(L, "bReferenceObsahLevel3", "TableOfContentsSetParagraphHeading3Level", Toggle)),
    sub(cmd(L, "bReferenceObsahLevel4", "TableOfContentsSetParagraphHeading4Level", Toggle)),
    sub(cmd(L, "bReferenceObsahLevel5", "TableOfContentsSetParagraphHeading5Level", Toggle)),
    sub(cmd(L, "bReferenceObsahLevel6", "TableOfContentsSetParagraphHeading6Level", Toggle)),
    sub(cmd(L, "bReferenceObsahLevel7", "TableOfContentsSetParagraphHeading7Level", Toggle)),
    sub(cmd(L, "bReferenceObsahLevel8", "TableOfContentsSetParagraphHeading8Level", Toggle)),
    sub(cmd(L, "bReferenceObsahLevel9", "TableOfContentsSetParagraphHeading9Level", Toggle)),
    group("ZalozkaReferenceTitulky", "Titulky"),
    menu(M, "bReferenceTitullkyVlozitTitulek", "Vložit titulek"),
    sub(cmd(L, "bZalozkaReferenceTitulkyPopisObrazku", "InsertFigureCaption")),
    sub(cmd(L, "bZalozkaReferenceTitulkyPopisTabulek", "InsertTableCaption")),
    sub(cmd(L, "bZalozkaReferenceTitulkyPopisRovnic", "InsertEquationCaption")),
    menu(M, "bReferenceTitulkyVlozitSeznam", "Vložit seznam"),
    sub(cmd(L, "bZalozkaReferenceTitulkySeznamObrazku", "InsertTableOfFigures")),
    sub(cmd(L, "bZalozkaReferenceTitulkySeznamTabulek", "InsertTableOfTables")),
    sub(cmd(L, "bZalozkaReferenceTitulkySeznamRovnic", "InsertTableOfEquations")),
    cmd(L, "bReferenceTitulkyAktualizovat", "UpdateTableOfFigures"),

    tab("ZalozkaRevize", "Revize"),
    group("ZalozkaRevizePravopis", "Pravopis"),
    cmd(L, "bRevizePravopis", "CheckSpelling"),
    group("ZalozkaRevizeZabezpeceni", "Zabezpečení"),
    cmd(L, "bRevizeZabezpeceniChranitDokument", "ProtectDocument"),
    cmd(L, "bRevizeZebecpeceniZrusitOchranu", "UnprotectDocument"),
    cmd(L, "bRevizeZabecpeceniOmezeniPristupu", "ShowRangeEditingPermissions"),
    cmd(L, "bRevizeZabezpeceniSifrovatHeslem", "EncryptDocument"),

    tab("ZalozkaZobrazeni", "Zobrazení"),
    group("ZalozkaZobrazeniPravopis", "Kontrola pravopisu"),
    handler(L, "bZobrazeniPravopis", "Živá kontrola pravopisu", "bZobrazeniPravopisClick", Toggle | Down,
            "Zapne/Vypne živou kontrolu pravopisu"),
    group("ZalozkaZobrazeniZobrazeni", "Zobrazení"),
    cmd(L, "bZobrazeniJednoduchyRezim", "SwitchToSimpleView", Toggle),
    cmd(L, "bZobrazeniKoncept", "SwitchToDraftView", Toggle),
    cmd(L, "bZobrazeniRozlezeniTisku", "SwitchToPrintLayoutView", Toggle),
    group("ZalozkaZobrazeniPravitka", "Pravítka"),
    cmd(L, "bZobrazeniPostraniPravitko", "ToggleShowHorizontalRuler", Toggle),
    cmd(L, "bZobrazeniHorniPravitko", "ToggleShowVerticalRuler", Toggle),
    group("ZalozkaZobrazeniLupa", "Lupa"),
    handler(L, "bZobrazeni1", "100%", "bZobrazeni1Click"),
    cmd(L, "bZobrazeniZvetsit", "ZoomIn"),
    cmd(L, "bZobrazeniZmensit", "ZoomOut"),
    none(S, "bZobrazeniJednastranka", "Jedna stránka", Hidden),
    none(S, "bZobrazeniDveStranky", "Dvě stránky", Hidden),
    none(S, "bZobrazeniSirkaStranky", "Šířka stránky", Hidden),

    tab("ZalozkaZahlaviZapati", "Záhlaví a zápatí"),
    group("ZalozkaZahlaviZapatiNastaveni", "Nastavení"),
    cmd(L, "bZahlaviZapatiJineNaPrvniStrance", "ToggleDifferentFirstPage", Toggle),
    cmd(L, "bZahlaviAZapatiRuzneLicheSudeStranky", "ToggleDifferentOddAndEvenPages", Toggle),
    group("ZalozkaZahlaviZapatiNavigace", "Navigace"),
    cmd(L, "bZahlaviZapatiPrejitNaZahlavi", "GoToPageHeader"),
    cmd(L, "bZahlaviZapatiPrejitNaZapati", "GoToPageFooter"),
    cmd(L, "bZahlaviZapatiPrejitNaDalsi", "GoToNextPageHeaderFooter"),
    cmd(L, "bZahlaviZapatiPrejitNaPredchozi", "GoToPreviousPageHeaderFooter"),
    cmd(L, "bZahlaviZapatiNavigaceOdkazNaPredchozi", "ToggleHeaderFooterLinkToPrevious"),
    group("ZalozkaVlozitZahlaviZapatiZavrit", "Zavřít"),
    cmd(L, "bZahlaviZapatiZavrit", "ClosePageHeaderFooter"),

    tab("ZalozkaNavrhTabulky", "Návrh Tabulky"),
    group("ZalozkaNavrhTabulkuOhraniceni", "Ohraničení"),
    menu(M, "bNavrhDolniOhraniceni", "Ohraničení"),
    sub(cmd(L, "bNavrhTabulkyOhraniceniDolniOhraniceni", "ToggleTableCellsBottomBorder", Toggle)),
    sub(cmd(L, "bNavrhTabulkyOhraniceniHorniOhraniceni", "ToggleTableCellsTopBorder", Toggle)),
    sub(cmd(L, "bNavrhTabulkyOhraniceniLeveOhraniceni", "ToggleTableCellsLeftBorder", Toggle)),
    sub(cmd(L, "bNavrhTabulkyOhraniceniPraveOhraniceni", "ToggleTableCellsRightBorder", Toggle)),
    sub(cmd(L, "bNavrhTabulkyOhraniceniZadnaOhraniceni", "ResetTableCellsBorders", Toggle)),
    sub(cmd(L, "bNavrhTabulkyOhraniceniVsechnaOhraniceni", "ToggleTableCellsAllBorders", Toggle)),
    sub(cmd(L, "bNavrhTabulkyOhraniceniVnejsiOhraniceni", "ToggleTableCellsOutsideBorder", Toggle)),
    sub(cmd(L, "bNavrhTabulkyOhraniceniVnitrniOhraniceni", "ToggleTableCellsInsideBorder", Toggle)),
    sub(cmd(L, "bNavrhTabulkyOhraniceniVnitrniVodorovneOhraniceni", "ToggleTableCellsInsideHorizontalBorder", Toggle)),
    sub(cmd(L, "bNavrhTabulkyOhraniceniVnitrniSvisleOhraniceni", "ToggleTableCellsInsideVerticalBorder", Toggle)),
    group("ZalozkaNavrhTabulkyStyl", "Styl"),
    cmd(L, "bNavrhTabulkyStylZmenaStylu", "TableStylesGallery"),

    tab("ZalozkaRozlozeniTabulky", "Rozložení tabulky"),
    group("ZalozkaRozlozeniTabulkyTabulka", "Možnost tabulky"),
    cmd(L, "bRozlozeniStrankyZobrazitMrizku", "ToggleShowTableGridLines", Toggle),
    cmd(L, "bRozlozeníTabulkyVlastnosti", "ShowTablePropertiesForm"),
    group("ZalozkaRozlozeniTabulkyRadkyASloupce", "Řádky a sloupce"),
    menu(M, "bRozlozeniTabulkyOdstranitTabulku", "Smazat", 0, "Delete Entire Table."),
    sub(cmd(L, "bRozlozeniStrankyOdstranitBunky", "ShowDeleteTableCellsForm")),
    sub(cmd(S, "bRozlozeniTabulkyOdstranitSloupec", "DeleteTableColumns")),
    sub(cmd(S, "bRozlozeniTabulkyOdstranitRadek", "DeleteTableRows")),
    sub(cmd(S, "bRozlozeniTabulkySmazatTabulku", "DeleteTable")),
    cmd(L, "bRozlozeniTabulkyVlozitRadekNad", "InsertTableRowAbove", Sep),
    cmd(L, "bRozlozeniTabulkyVlozitRadekPod", "InsertTableRowBelow"),
    cmd(L, "bRozlozeniTabulkyVlozitSLoupecVlevo", "InsertTableColumnToTheLeft"),
    cmd(L, "bRozlozeniTabulkyVlozitSloupecVpravo", "InsertTableColumnToTheRight"),
    ownCmd(L, "bRozlozeniTabulkyDialog", "Buňky", "ShowInsertTableCellsForm", Sep, "Otevře dialogové okno pro formulář"),
    group("ZalozkaRozlozeniTabulkySloucit", "Sloučit"),
    cmd(L, "bRozlozeniTabulkySloucitBunky", "MergeTableCells"),
    cmd(L, "bRozlozeniStrankyRozdelitBunky", "ShowSplitTableCellsForm"),
    cmd(L, "bRozlozeniTabulkyRozdelitTabulku", "SplitTable"),
    group("ZalozkaRozlozeniTabulkyZarovnani", "Zarovnání"),
    cmd(S, "bRozlozeniStrankyZarovnaniVlevoNahore", "ToggleTableCellsTopLeftAlignment", Icon | Toggle),
    cmd(S, "bRozlozeniTabulkyZarovnaniNahoreUprostred", "ToggleTableCellsMiddleLeftAlignment", Icon | Toggle),
    cmd(S, "bRozlozeniTabulkyZarovnaniNahoreVpravo", "ToggleTableCellsBottomLeftAlignment", Icon | Toggle),
    cmd(S, "bRozlozeniTabulkyZarovnaniUprostredVlevo", "ToggleTableCellsTopCenterAlignment", Icon | Toggle),
    cmd(S, "bRozlozeniTabulkyZarovnaniUprostredNaStred", "ToggleTableCellsMiddleCenterAlignment", Icon | Toggle),
    cmd(S, "bRozlozeniTabulkyZarovnaniUprostredVpravo", "ToggleTableCellsBottomCenterAlignment", Icon | Toggle),
    cmd(S, "bRozlozeniTabulkyZarovnaniDoluUprostred", "ToggleTableCellsTopRightAlignment", Icon | Toggle),
    cmd(S, "bRozlozeniTabulkyZarovnaniDoleUprostred", "ToggleTableCellsMiddleRightAlignment", Icon | Toggle),
    cmd(S, "bRozlozeniTabulkyZarovnaniDoleVpravo", "ToggleTableCellsBottomRightAlignment", Icon | Toggle),
    group("ZalozkaRozlozeniStrankyVelikostBunky", "Velikost buňky"),
    menu(M, "bRozlozeniTabulkyPrispusobit", "Přizpůsobit"),
    sub(cmd(S, "bRozlozeniTabullkyVelikostTabulkyPrizpusobitObsahu", "ToggleTableAutoFitContents")),
    sub(cmd(S, "bRozlozeniTabulkyVelikostBunkyPrispusobitOknu", "ToggleTableAutoFitWindow")),
    sub(cmd(S, "bRozlozeniTabulkyVelikostBunkyPevnaSirkaSloupce", "ToggleTableFixedColumnWidth")),

    tab("ZalozkaNapoveda", "Nápověda"),
    group("ZalozkaNapovedaNapoveda", "Nápověda"),
    handler(L, "bNapovedaPrejitNaWeb", "Navštívit webové stránky", "bNapovedaPrejitNaWebClick"),
    handler(L, "bNapovedaKontrolaNoveVerze", "Kontrola nové verze", "bNapovedaKontrolaNoveVerzeClick"),
    handler(L, "BNapovedaCoJeNoveho", "Novinky v této verzi", "BNapovedaCoJeNovehoClick"),
    handler(L, "bNapovedaOAplikaci", "O aplikaci", "bNapovedaOAplikaciClick"),
};
// clang-format on

} // namespace

std::span<const RibbonEntry> ribbonDefinition()
{
    return definition;
}

ribbon::ItemLayout itemLayout(const RibbonEntry &entry)
{
    ribbon::ItemLayout layout;
    layout.separator = entry.marks & Sep;
    layout.continuesRow = entry.marks & Row;
    layout.joinedGroup = entry.marks & Grp;
    layout.iconOnly = entry.marks & Icon;
    layout.textBeside = entry.marks & Text;
    layout.alwaysLarge = entry.marks & Large;
    layout.width = entry.width;
    return layout;
}

} // namespace commands
