// The spell checker of the main window: its dictionary list, the routines that choose the
// dictionaries, and the live-checking toggle.
#include "SpellingDictionaries.h"
#include "Unit1.h"

#include "platform/richedit/commands/EditorCommands.h"
#include "platform/richedit/commands/LiveSpelling.h"
#include "platform/spellchecker/Locales.h"
#include "platform/spellchecker/SpellChecker.h"
#include "preferences/fNastav.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

void TForm1::buildSpellChecker()
{
    SPPravopis = new spellchecker::SpellChecker(this);
    SPPravopis->setObjectName(QStringLiteral("SPPravopis"));
    spelling::configureDictionaries(*SPPravopis);
    PMPravopis = new QMenu(this);
    PMPravopis->setObjectName(QStringLiteral("PMPravopis"));
}

void TForm1::connectSpellChecker()
{
    editorCommands->setSpellChecker(SPPravopis);
    new richedit::LiveSpelling(*dxRichEditControl1, *SPPravopis, *editorCommands, m_dialogs, editorCommands);
}

bool TForm1::loadDictionaryByCode(const QString &code)
{
    const spelling::LanguageDictionary *dictionary = spelling::languageDictionary(code);
    if (!dictionary)
        return false;
    spelling::loadLanguageDictionary(*SPPravopis, m_programFolder, *dictionary);
    return true;
}

void TForm1::NactiCZslovnik() { loadDictionaryByCode(QStringLiteral("cs")); }
void TForm1::NactiENslovnik() { loadDictionaryByCode(QStringLiteral("en")); }
void TForm1::NactiDEslovnik() { loadDictionaryByCode(QStringLiteral("de")); }
void TForm1::NactiFRslovnik() { loadDictionaryByCode(QStringLiteral("fr")); }
void TForm1::NactiITslovnik() { loadDictionaryByCode(QStringLiteral("it")); }
void TForm1::NactiPLslovnik() { loadDictionaryByCode(QStringLiteral("pl")); }
void TForm1::NactiESslovnik() { loadDictionaryByCode(QStringLiteral("es")); }
void TForm1::NactiSKslovnik() { loadDictionaryByCode(QStringLiteral("sk")); }
void TForm1::NactiRUSlovnik() { loadDictionaryByCode(QStringLiteral("ru")); }

void TForm1::NactiVlastniSlovnik()
{
    std::optional<spellchecker::LocaleId> language;
    if (m_nastaveni->cbLang->currentIndex() >= 0)
        language = m_nastaveni->cbLang->currentData().toInt();
    spelling::loadCustomDictionary(*SPPravopis, m_nastaveni->eCestaKAff->text(), m_nastaveni->eCestaKDic->text(),
                                   language);
}

void TForm1::bZobrazeniPravopisClick(bool down)
{
    SPPravopis->setCheckAsYouTypeActive(down);
}
