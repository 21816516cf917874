#include "RibbonIcons.h"

#include <QHash>

namespace commands {
namespace {

struct ItemIcon {
    const char *item;
    const char *icon;
};

// clang-format off
constexpr ItemIcon icons[] = {
    {"BSouborNovy", "document-new"}, {"BSouborOtevrit", "document-open"}, {"BSouborUlozit", "document-save"},
    {"BSouborUlozitJako", "document-save-as"}, {"bSouborOdeslatJakoPrilohu", "mail-attachment"},
    {"bSouborOdeslatJakoTeloMailu", "mail-message-new"}, {"bSouborTisk", "document-print"},
    {"bSouborNahledPredTiskem", "document-print-preview"}, {"bSouborNastaveniTisku", "document-properties"},
    {"bSouborPredvolbyNastaveni", "configure"},

    {"bVlozit", "edit-paste"}, {"bDomuSchrankaVlozitJakoObrazek", "insert-image"},
    {"bSouborSchrankaJakoProstyText", "text-plain"}, {"bVyjmout", "edit-cut"}, {"bKopirovat", "edit-copy"},
    {"bDomuZvetsitPismo", "format-font-size-more"}, {"bDomuZmensitPismo", "format-font-size-less"},
    {"bDomuPismoSmazatFormat", "edit-clear-all"}, {"bDomuTucne", "format-text-bold"},
    {"bDomuKurziva", "format-text-italic"}, {"bDomuPodtrzene", "format-text-underline"},
    {"bDomuDvojtePodtrzene", "format-text-underline-squiggle"}, {"bDomuPreskrtnute", "format-text-strikethrough"},
    {"bDomuDvojtePreskrtnute", "format-text-strikethrough"}, {"bDomuDolniIndex", "format-text-subscript"},
    {"bDomuHorniIndex", "format-text-superscript"}, {"bDomuBarvaPismaPozadi", "draw-highlight"},
    {"bDomuBarvaPisma", "format-text-color"}, {"bDomuPismoDialog", "preferences-desktop-font"},
    {"bDomuOdrazky", "format-list-unordered"}, {"bDomuCislovani", "format-list-ordered"},
    {"bDomuViceUrovni", "view-list-tree"}, {"bDomuZmensitOdsazeni", "format-indent-less"},
    {"bDomuZvetsitOdsazeni", "format-indent-more"}, {"bDomuNestisknuteZnaky", "format-text-code"},
    {"bDomuVlevo", "format-justify-left"}, {"bDomuNaStred", "format-justify-center"},
    {"bDomuVpravo", "format-justify-right"}, {"bDomuDoBloku", "format-justify-fill"},
    {"bSouborRadkovani", "format-line-spacing-normal"}, {"bOdstavec", "format-text-direction-ltr"},
    {"bDomuPrevodVelikosti", "format-text-capitalize"}, {"bDomuPrevodVelikostiNaVelkaP", "format-text-uppercase"},
    {"bDomuPrevodVelikostiNaMalaP", "format-text-lowercase"}, {"bDomuStylyDialog", "format-text-code"},
    {"bDomuUpravyZpet", "edit-undo"}, {"bDomuUpravyVpred", "edit-redo"}, {"bDomuUpravyHledat", "edit-find"},
    {"bDomuUpravyHledatDalsi", "go-down-search"}, {"bDomuUpravyNahradit", "edit-find-replace"},
    {"bVybratVse", "edit-select-all"},

    {"bZalozkaVlozitZahlavi", "go-top"}, {"bZalozkaVlozitZapati", "go-bottom"},
    {"bVlozitCisloStranky", "format-number-percent"}, {"bVlozitPocetStranek", "page-simple"},
    {"bVlozitKonecStranky", "insert-page-break"}, {"bVlozitObrazek", "insert-image"},
    {"bVlozitZalozky", "bookmark-new"}, {"bVlozitHyperLink", "insert-link"}, {"bVlozitSymbol", "character-set"},
    {"bVlozenitextHotoveZnaky", "insert-text"}, {"bVlozeniHotoveZnakySmajlici", "face-smile"},
    {"bVlozitTabulka", "insert-table"}, {"bVlozitTextovePole", "text-field"},
    {"bVlozitDatum", "view-calendar-day"}, {"bVlozitCas", "clock"}, {"bVlozitDatumCas", "view-pim-calendar"},

    {"bRozlozeniStrankyOkraje", "trim-margins"}, {"bRozlozeniStrankyOrientace", "object-rotate-right"},
    {"bRozlozeniStrankyNavysku", "page-simple"}, {"bRozlozeniStrankyNaSirku", "object-rotate-left"},
    {"bRozlozeniStrankyDalsiVelikosti", "zoom-fit-page"}, {"bRozlozeniStrankySloupce", "object-columns"},
    {"bRozlozeniStrankyVzhledStrankyKonce", "insert-page-break"}, {"bRozlozeniStrankyKonecStranky", "insert-page-break"},
    {"bRozlozeniStrankyCislovaniRadku", "format-list-ordered"}, {"bRozlozeniStrankyBarvaStranky", "color-fill"},
    {"bRozlozeniStrankyUsporadatZalomovatText", "text-wrap"}, {"bRozlozeniStrankyVolbaPozice", "align-horizontal-center"},
    {"bRozlozeniStrankyPrenestBliz", "object-order-raise"}, {"bRozlozeniStrankyUsporadatPrinestBliz", "object-order-raise"},
    {"bRozlozeniStrankyUsporadatPrenestDoPopredi", "object-order-front"},
    {"bRozlozeniStrankyPrenestDal", "object-order-lower"}, {"bRozlozeniStrankyUsporadatPrenestDal", "object-order-lower"},
    {"bRozlozeniStrankyUsporadatPrenestDoPozadi", "object-order-back"},

    {"bReferenceObsahObsah", "insert-table-of-contents"}, {"bReferenceObsahAktualizovatObsah", "view-refresh"},
    {"bReferenceObsahPridatText", "list-add"}, {"bReferenceTitullkyVlozitTitulek", "insert-text"},
    {"bReferenceTitulkyVlozitSeznam", "view-list-details"}, {"bReferenceTitulkyAktualizovat", "view-refresh"},

    {"bRevizePravopis", "tools-check-spelling"}, {"bRevizeZabezpeceniChranitDokument", "emblem-locked"},
    {"bRevizeZebecpeceniZrusitOchranu", "emblem-encrypted-unlocked"},
    {"bRevizeZabecpeceniOmezeniPristupu", "document-edit"}, {"bRevizeZabezpeceniSifrovatHeslem", "document-encrypt"},

    {"bZobrazeniPravopis", "tools-check-spelling"}, {"bZobrazeniJednoduchyRezim", "view-list-text"},
    {"bZobrazeniKoncept", "document-edit"}, {"bZobrazeniRozlezeniTisku", "document-print-preview"},
    {"bZobrazeniPostraniPravitko", "kruler-north"}, {"bZobrazeniHorniPravitko", "kruler-west"},
    {"bZobrazeni1", "zoom-original"}, {"bZobrazeniZvetsit", "zoom-in"}, {"bZobrazeniZmensit", "zoom-out"},

    {"bZahlaviZapatiJineNaPrvniStrance", "page-simple"}, {"bZahlaviAZapatiRuzneLicheSudeStranky", "page-2sides"},
    {"bZahlaviZapatiPrejitNaZahlavi", "go-top"}, {"bZahlaviZapatiPrejitNaZapati", "go-bottom"},
    {"bZahlaviZapatiPrejitNaDalsi", "go-next"}, {"bZahlaviZapatiPrejitNaPredchozi", "go-previous"},
    {"bZahlaviZapatiNavigaceOdkazNaPredchozi", "insert-link"}, {"bZahlaviZapatiZavrit", "window-close"},

    {"bNavrhDolniOhraniceni", "format-border-set-bottom"},
    {"bNavrhTabulkyOhraniceniDolniOhraniceni", "format-border-set-bottom"},
    {"bNavrhTabulkyOhraniceniHorniOhraniceni", "format-border-set-top"},
    {"bNavrhTabulkyOhraniceniLeveOhraniceni", "format-border-set-left"},
    {"bNavrhTabulkyOhraniceniPraveOhraniceni", "format-border-set-right"},
    {"bNavrhTabulkyOhraniceniZadnaOhraniceni", "format-border-set-none"},
    {"bNavrhTabulkyOhraniceniVsechnaOhraniceni", "format-border-set-all"},
    {"bNavrhTabulkyOhraniceniVnejsiOhraniceni", "format-border-set-external"},
    {"bNavrhTabulkyOhraniceniVnitrniOhraniceni", "format-border-set-internal"},
    {"bNavrhTabulkyOhraniceniVnitrniVodorovneOhraniceni", "format-border-set-internal-horizontal"},
    {"bNavrhTabulkyOhraniceniVnitrniSvisleOhraniceni", "format-border-set-internal-vertical"},
    {"bNavrhTabulkyStylZmenaStylu", "format-border-style"},

    {"bRozlozeniStrankyZobrazitMrizku", "show-grid"}, {"bRozlozeníTabulkyVlastnosti", "document-properties"},
    {"bRozlozeniTabulkyOdstranitTabulku", "edit-table-delete-row"},
    {"bRozlozeniTabulkyOdstranitSloupec", "edit-table-delete-column"},
    {"bRozlozeniTabulkyOdstranitRadek", "edit-table-delete-row"}, {"bRozlozeniTabulkySmazatTabulku", "edit-delete"},
    {"bRozlozeniTabulkyVlozitRadekNad", "edit-table-insert-row-above"},
    {"bRozlozeniTabulkyVlozitRadekPod", "edit-table-insert-row-below"},
    {"bRozlozeniTabulkyVlozitSLoupecVlevo", "edit-table-insert-column-left"},
    {"bRozlozeniTabulkyVlozitSloupecVpravo", "edit-table-insert-column-right"},
    {"bRozlozeniTabulkyDialog", "dialog-rows-and-columns"}, {"bRozlozeniTabulkySloucitBunky", "edit-table-cell-merge"},
    {"bRozlozeniStrankyRozdelitBunky", "edit-table-cell-split"}, {"bRozlozeniTabulkyRozdelitTabulku", "view-split-top-bottom"},
    {"bRozlozeniStrankyZarovnaniVlevoNahore", "format-align-vertical-top"},
    {"bRozlozeniTabulkyZarovnaniNahoreUprostred", "format-align-vertical-center"},
    {"bRozlozeniTabulkyZarovnaniNahoreVpravo", "format-align-vertical-bottom"},
    {"bRozlozeniTabulkyZarovnaniUprostredVlevo", "align-vertical-top"},
    {"bRozlozeniTabulkyZarovnaniUprostredNaStred", "align-vertical-center"},
    {"bRozlozeniTabulkyZarovnaniUprostredVpravo", "align-vertical-bottom"},
    {"bRozlozeniTabulkyZarovnaniDoluUprostred", "align-horizontal-right"},
    {"bRozlozeniTabulkyZarovnaniDoleUprostred", "align-horizontal-center"},
    {"bRozlozeniTabulkyZarovnaniDoleVpravo", "align-horizontal-left"},
    {"bRozlozeniTabulkyPrispusobit", "zoom-fit-width"},

    {"bNapovedaPrejitNaWeb", "internet-web-browser"}, {"bNapovedaKontrolaNoveVerze", "system-software-update"},
    {"BNapovedaCoJeNoveho", "help-whatsthis"}, {"bNapovedaOAplikaci", "help-about"},
};
// clang-format on

} // namespace

QString ribbonIconName(const QString &itemName)
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> map;
        for (const ItemIcon &entry : icons)
            map.insert(QString::fromUtf8(entry.item), QString::fromLatin1(entry.icon));
        return map;
    }();
    return table.value(itemName);
}

} // namespace commands
