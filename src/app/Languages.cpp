// The main window's part of the interface language: the translation table, the nine
// language switches and the standard page of the measurement unit.
#include "Unit1.h"

#include "commands/UnitsAndMargins.h"
#include "commands/fDatumACas.h"
#include "language/LanguageSwitch.h"
#include "language/Translations.h"
#include "online/oaplikaci.h"
#include "platform/rtl/Paths.h"
#include "preferences/fNastav.h"

void TForm1::setProgramFolder(const QString &folder)
{
    m_programFolder = rtl::withTrailingSeparator(folder);
}

void TForm1::LoadTranslations(const QString &Language)
{
    language::TranslationTargets targets;
    targets.ribbon = dxRibbon;
    targets.dateTimeDialog = m_datumCas;
    targets.aboutWindow = m_oAplikaci;
    targets.preferences = m_nastaveni;
    targets.messages = {&SaveChanges, &NovaVerzeBylaNalezena, &PrejeteSiStahnout, &PouzivateNejnovejsiVerzi,
                        &ZadejteNazevSouboru};
    language::applyTranslations(language::translationTablePath(m_programFolder), Language, targets);
}

void TForm1::switchLanguage(language::Language language)
{
    const language::SwitchSteps steps{
        [this] { nastavitokraje(); },
        [this](const QString &code) { LoadTranslations(code); },
        *cxLocalizer1,
        *dxRichEditControl1,
        m_programFolder,
    };
    language::switchLanguage(language::languageRow(language), steps);
}

bool TForm1::switchLanguageByCode(const QString &code)
{
    const language::LanguageRow *row = language::languageForCode(code);
    if (row)
        switchLanguage(row->language);
    return row != nullptr;
}

void TForm1::PrelozDoAnglictiny() { switchLanguage(language::Language::English); }
void TForm1::PrelozDoCestiny() { switchLanguage(language::Language::Czech); }
void TForm1::PrelozDoNemciny() { switchLanguage(language::Language::German); }
void TForm1::PrelozDoFrancostiny() { switchLanguage(language::Language::French); }
void TForm1::PrelozDoItalstiny() { switchLanguage(language::Language::Italian); }
void TForm1::PrelozDoPolstiny() { switchLanguage(language::Language::Polish); }
void TForm1::PrelozDoSpanelstiny() { switchLanguage(language::Language::Spanish); }
void TForm1::PrelozDoSlovenctiny() { switchLanguage(language::Language::Slovak); }
void TForm1::PrelozDoRustiny() { switchLanguage(language::Language::Russian); }

void TForm1::nastavitokraje()
{
    commands::applyStandardPage(*dxRichEditControl1);
}
