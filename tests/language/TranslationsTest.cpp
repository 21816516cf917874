#include "language/TranslationKeys.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/rtl/MemIniFile.h"
#include "platform/ui/RadioGroup.h"
#include "support/ProgramFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>

namespace {

using language::Element;

class TranslationsTest : public ProgramFixture {
protected:
    ribbon::Ribbon &ribbon() { return *form->dxRibbon; }
    QString tab(const char *name) { return ribbon().tab(name)->caption(); }
    QString group(const char *name) { return ribbon().group(name)->caption(); }
    QString item(const char *name) { return ribbon().item(name)->text(); }
    std::array<QString, 5> messages()
    {
        return {form->SaveChanges, form->NovaVerzeBylaNalezena, form->PrejeteSiStahnout,
                form->PouzivateNejnovejsiVerzi, form->ZadejteNazevSouboru};
    }
};

TEST_F(TranslationsTest, WithoutTheTableCaptionsStayAndMessagesTakeTheirCzechDefaults)
{
    create(); // no translations.ini in the program folder
    for (QString *message : {&form->SaveChanges, &form->NovaVerzeBylaNalezena, &form->ZadejteNazevSouboru})
        *message = "something else";
    form->LoadTranslations("de");
    EXPECT_EQ(tab("ZalozkaDomu"), "Domů");
    EXPECT_EQ(tab("ZalozkaSoubor"), "Soubor");
    EXPECT_EQ(item("bVlozitDatumCas"), "Datum a čas");
    EXPECT_EQ(datumCas->windowTitle(), "Datum a čas");
    const auto defaults = language::messageKeys();
    const auto current = messages();
    for (std::size_t i = 0; i < defaults.size(); ++i)
        EXPECT_EQ(current[i], QString::fromUtf8(defaults[i].czechDefault)) << defaults[i].key;
}

TEST_F(TranslationsTest, CapitalSectionAndKeyNamesMatch)
{
    writeLanguageFile("translations.ini", "[EN]\nZALOZKADOMU=Home\nzalozkavlozit=Insert\n");
    create();
    EXPECT_EQ(tab("ZalozkaDomu"), "Home");
    EXPECT_EQ(tab("ZalozkaVlozit"), "Insert");
}

TEST_F(TranslationsTest, AKeyWithoutEqualsAheadOfItsValueLeavesTheElement)
{
    writeLanguageFile("translations.ini", "[en]\nZalozkaDomu\nZalozkaDomu=Home\nZalozkaVlozit=Insert\n");
    create();
    EXPECT_EQ(tab("ZalozkaDomu"), "Domů");
    EXPECT_EQ(tab("ZalozkaVlozit"), "Insert");
}

TEST_F(TranslationsTest, OnlyTheFirstBlockOfARepeatedSectionCounts)
{
    writeLanguageFile("translations.ini", "[de]\nZalozkaDomu=Start\n[de]\nZalozkaVlozit=Einfügen\n");
    create();
    form->LoadTranslations("de");
    EXPECT_EQ(tab("ZalozkaDomu"), "Start");
    EXPECT_EQ(tab("ZalozkaVlozit"), "Vložení");
}

TEST_F(TranslationsTest, AnEmptyValueEmptiesTheCaption)
{
    writeLanguageFile("translations.ini", "[en]\nZalozkaDomuPismo=\n");
    create();
    EXPECT_EQ(group("ZalozkaDomuPismo"), "");
}

TEST_F(TranslationsTest, TheSouborTabFollowsItsGroupKeyOrTheGroupCaption)
{
    writeLanguageFile("translations.ini", "[en]\nZalozkaSouborSoubor=File\n[de]\nZalozkaDomu=Start\n");
    create();
    EXPECT_EQ(tab("ZalozkaSoubor"), "File");
    EXPECT_EQ(group("ZalozkaSouborSoubor"), "File");
    ribbon().group("ZalozkaSouborSoubor")->setCaption("Datei");
    form->LoadTranslations("de"); // no key: the tab takes the group's caption
    EXPECT_EQ(tab("ZalozkaSoubor"), "Datei");
}

TEST_F(TranslationsTest, AnAbsentKeyKeepsThePreviousLanguage)
{
    writeLanguageFile("translations.ini", "[de]\nZalozkaDomu=Start\nZalozkaVlozit=Einfügen\n"
                                          "[pl]\nZalozkaVlozit=Wstawianie\n");
    writeLocalizerFiles();
    create();
    form->PrelozDoNemciny();
    form->PrelozDoPolstiny();
    EXPECT_EQ(tab("ZalozkaDomu"), "Start");
    EXPECT_EQ(tab("ZalozkaVlozit"), "Wstawianie");
}

TEST_F(TranslationsTest, AKeyMissingInEnglishAndPolishShowsTheCzechLayoutTextAfterStart)
{
    installShippedLanguages();
    // The shipped table without the Home tab's key in the two sections.
    QByteArray table = program.read("Languages/translations.ini");
    table.replace("ZalozkaDomu=Home\n", "").replace("ZalozkaDomu=Narzędzia główne\n", "");
    writeLanguageFile("translations.ini", table);
    writeSettings("[Settings]\nSelectedRadio=pl\n");
    start();
    EXPECT_EQ(tab("ZalozkaDomu"), "Domů");
    EXPECT_EQ(tab("ZalozkaVlozit"), "Wstawianie");
}

TEST_F(TranslationsTest, ATableThatCannotBeReadThrowsBeforeChangingAnything)
{
    QDir().mkpath(program.path("Languages/translations.ini"));
    create();
    form->SaveChanges = "kept";
    EXPECT_THROW(form->LoadTranslations("en"), rtl::FileOpenError);
    EXPECT_EQ(form->SaveChanges, "kept");
    EXPECT_EQ(tab("ZalozkaDomu"), "Domů");
}

TEST_F(TranslationsTest, PreferencesRowsKeepTheSelectedUnitItem)
{
    writeLanguageFile("translations.ini", "[en]\nRadioGroupJednotkyItem2=Inches\nrgMerneJednotky=Units\n"
                                          "tbPravopis=Spelling\ncbVlastniSlovnik=Custom dictionary\n");
    writeLocalizerFiles();
    create();
    nastaveni->rgMerneJednotky->setItemIndex(1);
    form->PrelozDoAnglictiny();
    EXPECT_EQ(nastaveni->rgMerneJednotky->itemIndex(), 1);
    EXPECT_EQ(nastaveni->rgMerneJednotky->title(), "Units");
    EXPECT_EQ(nastaveni->pcNastaveni->tabText(nastaveni->pcNastaveni->indexOf(nastaveni->tbPravopis)), "Spelling");
    EXPECT_EQ(nastaveni->cbVlastniSlovnik->text(), "Custom dictionary");
    EXPECT_EQ(nastaveni->rgMerneJednotky->findChildren<QRadioButton *>().at(2)->text(), "Inches");
}

TEST_F(TranslationsTest, PreferencesRowsWaitForTheAboutWindow)
{
    writeLanguageFile("translations.ini", "[en]\nrgMerneJednotky=Units\n");
    writeLocalizerFiles();
    create();
    form->attachWindows(datumCas.get(), nastaveni.get(), nullptr);
    nastaveni->rgMerneJednotky->setTitle("Měrné jednotky");
    form->PrelozDoAnglictiny();
    EXPECT_EQ(nastaveni->rgMerneJednotky->title(), "Měrné jednotky");
}

/// The text an element of a fresh program shows, before any translation.
QString layoutText(const language::TranslationKey &row, TForm1 &form, TfDatumCas &datumCas, TfNastaveni &nastaveni)
{
    const QString name = QString::fromLatin1(row.name);
    switch (row.element) {
    case Element::SouborTab: return form.dxRibbon->tab(name)->caption();
    case Element::RibbonTab: return form.dxRibbon->tab(name)->caption();
    case Element::RibbonGroup: return form.dxRibbon->group(name)->caption();
    case Element::RibbonItem: return form.dxRibbon->item(name)->text();
    case Element::DateTimeTitle: return datumCas.windowTitle();
    case Element::AboutLabel: return {};
    case Element::PreferencesPage: {
        auto *page = nastaveni.findChild<QWidget *>(name);
        return nastaveni.pcNastaveni->tabText(nastaveni.pcNastaveni->indexOf(page));
    }
    case Element::PreferencesGroup: return nastaveni.rgMerneJednotky->title();
    case Element::PreferencesItem:
        return nastaveni.rgMerneJednotky->findChildren<QRadioButton *>().at(row.item)->text();
    case Element::PreferencesText:
        if (auto *button = nastaveni.findChild<QAbstractButton *>(name))
            return button->text();
        return nastaveni.findChild<QLabel *>(name)->text();
    }
    return {};
}

TEST_F(TranslationsTest, EveryRowOfTheKeyTableNamesAnElementThatExists)
{
    form = std::make_unique<TForm1>(dialogs, QStringList{"tavel-editor"});
    TfDatumCas dialog;
    TfNastaveni preferences(*form->dxRichEditControl1);
    for (const language::TranslationKey &row : language::translationKeys()) {
        if (row.element == Element::AboutLabel)
            continue; // the About window's labels come with the help commands
        EXPECT_FALSE(layoutText(row, *form, dialog, preferences).isEmpty()) << row.key;
    }
}

TEST_F(TranslationsTest, TheShippedTableHasEveryKeyInEveryLanguage)
{
    const rtl::MemIniFile table(QStringLiteral(TAVEL_DATA "/Languages/translations.ini"));
    for (const char *code : {"en", "cs", "de", "fr", "it", "pl", "es", "sk", "ru"}) {
        ASSERT_TRUE(table.sectionExists(code)) << code;
        for (const language::TranslationKey &row : language::translationKeys()) {
            const QString text = table.readString(code, row.key, {});
            EXPECT_FALSE(text.isEmpty()) << code << " " << row.key;
            // Buttons and tabs would take "&" for a mnemonic and swallow it.
            EXPECT_FALSE(text.contains('&')) << code << " " << row.key;
        }
        for (const language::MessageKey &message : language::messageKeys())
            EXPECT_FALSE(table.readString(code, message.key, {}).isEmpty()) << code << " " << message.key;
        QSet<QString> known;
        for (const language::TranslationKey &row : language::translationKeys())
            known.insert(QString::fromLatin1(row.key).toCaseFolded());
        for (const language::MessageKey &message : language::messageKeys())
            known.insert(QString::fromLatin1(message.key).toCaseFolded());
        for (const QString &key : table.keys(code))
            EXPECT_TRUE(known.contains(key.toCaseFolded())) << code << ": unknown key " << key.toStdString();
    }
}

TEST_F(TranslationsTest, TheShippedCzechSectionIsTheLayoutText)
{
    const rtl::MemIniFile table(QStringLiteral(TAVEL_DATA "/Languages/translations.ini"));
    form = std::make_unique<TForm1>(dialogs, QStringList{"tavel-editor"});
    TfDatumCas dialog;
    TfNastaveni preferences(*form->dxRichEditControl1);
    for (const language::TranslationKey &row : language::translationKeys()) {
        if (row.element == Element::AboutLabel)
            continue;
        EXPECT_EQ(table.readString("cs", row.key, {}), layoutText(row, *form, dialog, preferences)) << row.key;
    }
}

} // namespace
