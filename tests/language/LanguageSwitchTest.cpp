#include "language/LanguageSwitch.h"
#include "platform/localizer/Localizer.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/rtl/MemIniFile.h"
#include "support/ProgramFixture.h"

#include <QRadioButton>

namespace {

using richedit::PaperKind;

class LanguageSwitchTest : public ProgramFixture {
protected:
    localizer::Localizer &localizer() { return *form->cxLocalizer1; }
    QString languageFile(const char *name) { return program.path(QStringLiteral("Languages/") + name); }

    /// Gives the first section margins that no standard page has.
    void setOddMargins()
    {
        richedit::Section section = firstSection();
        section.margins.left = section.margins.right = section.margins.top = section.margins.bottom = 777;
        editor().document().setSection(0, section);
    }
};

using Switch = void (TForm1::*)();

struct SwitchCase {
    Switch run;
    const char *code;
    const char *file;
    int localeId;
    PaperKind paper;
};

class EverySwitchTest : public LanguageSwitchTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(EverySwitchTest, NamesItsFileAndLocaleAndSetsItsPaper)
{
    const SwitchCase &c = GetParam();
    writeLocalizerFiles();
    writeLanguageFile("translations.ini", QByteArray("[") + c.code + "]\nZalozkaDomu=home " + c.code + "\n");
    create();
    (form.get()->*c.run)();
    EXPECT_EQ(localizer().FileName(), languageFile(c.file));
    EXPECT_TRUE(localizer().Active());
    EXPECT_EQ(localizer().Locale(), c.localeId);
    EXPECT_EQ(firstSection().paperKind, c.paper);
    EXPECT_EQ(form->dxRibbon->tab("ZalozkaDomu")->caption(), QString("home ") + c.code);
    // The engine's command captions follow the localizer at once.
    const QString bold = form->dxRibbon->item("bDomuTucne")->text();
    if (c.localeId == 1033)
        EXPECT_EQ(bold, "Bold"); // the Czech file has no English section: built-in English
    else
        EXPECT_EQ(bold, QString("Bold ") + c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EverySwitchTest,
    ::testing::Values(SwitchCase{&TForm1::PrelozDoAnglictiny, "en", "czech.ini", 1033, PaperKind::Letter},
                      SwitchCase{&TForm1::PrelozDoCestiny, "cs", "czech.ini", 1029, PaperKind::A4},
                      SwitchCase{&TForm1::PrelozDoNemciny, "de", "deutch.ini", 1031, PaperKind::A4},
                      SwitchCase{&TForm1::PrelozDoFrancostiny, "fr", "french.ini", 1036, PaperKind::A4},
                      SwitchCase{&TForm1::PrelozDoItalstiny, "it", "italian.ini", 1040, PaperKind::A4},
                      SwitchCase{&TForm1::PrelozDoPolstiny, "pl", "polish.ini", 1045, PaperKind::A4},
                      SwitchCase{&TForm1::PrelozDoSpanelstiny, "es", "spanish.ini", 1034, PaperKind::A4},
                      SwitchCase{&TForm1::PrelozDoSlovenctiny, "sk", "slovak.ini", 1051, PaperKind::A4},
                      SwitchCase{&TForm1::PrelozDoRustiny, "ru", "russian.ini", 1049, PaperKind::A4}));

TEST_F(LanguageSwitchTest, EnglishSetsLetterAndLeavesTheMargins)
{
    writeLocalizerFiles();
    create();
    form->PrelozDoCestiny();
    setOddMargins();
    form->PrelozDoAnglictiny();
    EXPECT_EQ(firstSection().paperKind, PaperKind::Letter);
    EXPECT_EQ(firstSection().margins.left, 777);
    EXPECT_EQ(firstSection().margins.bottom, 777);
}

TEST_F(LanguageSwitchTest, OtherLanguagesApplyTheUnitsStandardPageFirst)
{
    writeLocalizerFiles();
    create();
    editor().SetMeasurementUnit(richedit::MeasurementUnit::Inch);
    setOddMargins();
    form->PrelozDoSlovenctiny();
    // Letter with 1-inch margins from the unit, then A4 from the language.
    EXPECT_EQ(firstSection().paperKind, PaperKind::A4);
    EXPECT_EQ(firstSection().margins.left, 1440);
    EXPECT_EQ(firstSection().margins.top, 1440);
}

TEST_F(LanguageSwitchTest, CzechToEnglishKeepsTheFileAndChangesTheLocale)
{
    writeLocalizerFiles();
    create();
    form->PrelozDoCestiny();
    ASSERT_TRUE(localizer().translating());
    // The loaded file stays loaded: a change on disk is not read again.
    writeLanguageFile("czech.ini", "[1033]\nCommand.ToggleFontBold.Caption=reloaded\n");
    form->PrelozDoAnglictiny();
    EXPECT_EQ(localizer().FileName(), languageFile("czech.ini"));
    EXPECT_EQ(localizer().Locale(), 1033);
    EXPECT_FALSE(localizer().translating());
    EXPECT_EQ(form->dxRibbon->item("bDomuTucne")->text(), "Bold");
}

TEST_F(LanguageSwitchTest, GermanToEnglishDropsTheGermanTexts)
{
    writeLocalizerFiles();
    create();
    form->PrelozDoNemciny();
    EXPECT_EQ(form->dxRibbon->item("bDomuTucne")->text(), "Bold de");
    form->PrelozDoAnglictiny();
    EXPECT_EQ(localizer().FileName(), languageFile("czech.ini"));
    EXPECT_EQ(form->dxRibbon->item("bDomuTucne")->text(), "Bold");
}

TEST_F(LanguageSwitchTest, AMissingLocalizerFileRaisesAndLeavesTheLastStepsUndone)
{
    writeLocalizerFiles();
    QFile::remove(languageFile("french.ini"));
    writeLanguageFile("translations.ini", "[fr]\nZalozkaDomu=Accueil\n");
    create();
    form->PrelozDoAnglictiny();
    setOddMargins();
    try {
        form->PrelozDoFrancostiny();
        FAIL() << "no error";
    } catch (const rtl::FileOpenError &error) {
        EXPECT_TRUE(error.message().contains(languageFile("french.ini"))) << error.what();
    }
    EXPECT_EQ(firstSection().margins.left, richedit::fromUnit(2.5, richedit::MeasurementUnit::Centimeter)); // step 1
    EXPECT_EQ(form->dxRibbon->tab("ZalozkaDomu")->caption(), "Accueil");                                  // step 2
    EXPECT_EQ(localizer().FileName(), languageFile("french.ini"));                                        // step 3
    EXPECT_FALSE(localizer().Active());
    EXPECT_EQ(localizer().Locale(), 1033);                     // step 5 not done
    EXPECT_EQ(firstSection().paperKind, PaperKind::A4);        // from step 1: the unit's page
    EXPECT_EQ(form->dxRibbon->item("bDomuTucne")->text(), "Bold"); // built-in English
}

TEST_F(LanguageSwitchTest, AMissingFileForEnglishLeavesTheLetterPaperUnset)
{
    create(); // no localizer files at all: the start's English switch failed and was reported
    EXPECT_EQ(dialogs.count(), 1u);
    editor().SetMeasurementUnit(richedit::MeasurementUnit::Centimeter);
    form->nastavitokraje();
    EXPECT_THROW(form->PrelozDoAnglictiny(), rtl::FileOpenError);
    EXPECT_EQ(firstSection().paperKind, PaperKind::A4);
}

TEST_F(LanguageSwitchTest, OnlyTheFirstSectionChanges)
{
    writeLocalizerFiles();
    create();
    richedit::Section second;
    second.setPaperKind(PaperKind::A5);
    second.margins.left = 100;
    editor().document().setSections({firstSection(), second});
    form->PrelozDoNemciny();
    form->PrelozDoAnglictiny();
    EXPECT_EQ(firstSection().paperKind, PaperKind::Letter);
    EXPECT_EQ(editor().document().section(1), second);
}

TEST_F(LanguageSwitchTest, TheStartSwitchesToEnglishFirstThenToTheStoredLanguage)
{
    writeLocalizerFiles();
    writeLanguageFile("translations.ini", "[en]\nZalozkaDomu=Home\nZalozkaVlozit=Insert\n[de]\nZalozkaDomu=Start\n");
    writeSettings("[Settings]\nSelectedRadio=de\n");
    create();
    // After the program entry: English.
    EXPECT_EQ(localizer().Locale(), 1033);
    EXPECT_EQ(form->dxRibbon->tab("ZalozkaDomu")->caption(), "Home");
    form->show();
    QApplication::processEvents();
    // After the show handler: German, with English where German has no text.
    EXPECT_TRUE(nastaveni->rbNemcina->isChecked());
    EXPECT_EQ(localizer().Locale(), 1031);
    EXPECT_EQ(form->dxRibbon->tab("ZalozkaDomu")->caption(), "Start");
    EXPECT_EQ(form->dxRibbon->tab("ZalozkaVlozit")->caption(), "Insert");
    EXPECT_EQ(form->dxRibbon->item("bDomuTucne")->text(), "Bold de");
    EXPECT_EQ(firstSection().paperKind, PaperKind::A4);
}

TEST_F(LanguageSwitchTest, AFailingStartSwitchSkipsTheMarginsAndTheTabs)
{
    writeLocalizerFiles();
    QFile::remove(languageFile("italian.ini"));
    writeSettings("[Settings]\nSelectedRadio=it\nUnits=inch\n");
    create();
    const std::size_t reported = dialogs.count();
    form->ZalozkaNavrhTabulky->setTabVisible(true);
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(dialogs.count(), reported + 1); // the standard error report
    EXPECT_TRUE(form->ZalozkaNavrhTabulky->isTabVisible()); // step 7 skipped
}

TEST_F(LanguageSwitchTest, PreferencesOkStoresTheCodeAndSwitches)
{
    writeLocalizerFiles();
    start();
    nastaveni->rbRustina->setChecked(true);
    nastaveni->bOK->click();
    EXPECT_EQ(localizer().Locale(), 1049);
    const rtl::MemIniFile settings(appData.path("TAVEL Editor/settings.ini"));
    EXPECT_EQ(settings.readString("Settings", "Language", {}), "ru");
    EXPECT_EQ(settings.readString("Settings", "SelectedRadio", {}), "ru");
}

TEST_F(LanguageSwitchTest, ShippedLanguagesSwitchTheWholeRibbon)
{
    installShippedLanguages();
    start();
    form->PrelozDoNemciny();
    EXPECT_EQ(form->dxRibbon->tab("ZalozkaDomu")->caption(), "Start");
    EXPECT_EQ(form->dxRibbon->item("bDomuTucne")->text(), localizer().text("Command.ToggleFontBold.Caption"));
    EXPECT_NE(form->dxRibbon->item("bDomuTucne")->text(), "Bold");
    EXPECT_EQ(datumCas->windowTitle(), "Datum und Uhrzeit");
    form->PrelozDoAnglictiny();
    EXPECT_EQ(form->dxRibbon->tab("ZalozkaDomu")->caption(), "Home");
    EXPECT_EQ(form->dxRibbon->item("bDomuTucne")->text(), "Bold");
}

} // namespace
