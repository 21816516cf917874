#include "MainWindowFixture.h"

#include "platform/richedit/commands/EditorCommands.h"
#include "platform/richedit/commands/LiveSpelling.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/ribbon/RibbonItem.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/MemIniFile.h"
#include "platform/spellchecker/HunspellDictionary.h"
#include "platform/spellchecker/LiveSpellHighlighter.h"
#include "platform/spellchecker/SpellChecker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>

#include <set>

using Kind = ui::FakeDialogs::Kind;
using Positions = std::set<int>;

namespace {

// Builds the real windows; the user word list "Dictionaries/Custom.txt" lives under the
// current folder, so every test runs in a fresh one.
class SpellingTest : public MainWindowFixture {
protected:
    TempDir current;
    QString savedCurrent = QDir::currentPath();

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        QDir::setCurrent(current.root());
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        QDir::setCurrent(savedCurrent);
    }

    spellchecker::SpellChecker &checker() { return *form->SPPravopis; }

    Positions where(bool (spellchecker::SpellDictionary::*state)() const)
    {
        Positions result;
        for (int i = 0; i < checker().count(); ++i)
            if ((checker().Dictionaries(i).*state)())
                result.insert(i);
        return result;
    }
    Positions active() { return where(&spellchecker::SpellDictionary::active); }

    /// A tiny Hunspell pair knowing the given words, for the custom dictionary.
    void fillCustomDictionary(const QByteArray &words)
    {
        nastaveni->eCestaKAff->setText(files.write("my.aff", "SET UTF-8\n"));
        nastaveni->eCestaKDic->setText(files.write("my.dic", QByteArray::number(words.count('\n')) + "\n" + words));
    }

    /// A program folder of its own whose dictionaries are the real ones but for `missing`.
    void useProgramFolderWithout(const QString &missing)
    {
        const QDir real(form->programFolder() + "Dictionaries");
        QDir().mkpath(files.path("program/Dictionaries"));
        for (const QString &name : real.entryList(QDir::Files))
            if (name != missing)
                QFile::link(real.filePath(name), files.path("program/Dictionaries/" + name));
        form->setProgramFolder(files.path("program/"));
    }
};

struct LoaderCase {
    const char *code;
    int position;
    const char *word;
};

class LanguageLoaderTest : public SpellingTest, public ::testing::WithParamInterface<LoaderCase> {};

TEST_P(LanguageLoaderTest, LoadsItsDictionaryAndTheUserWordListAndNothingElse)
{
    create();
    ASSERT_EQ(checker().count(), 10);
    EXPECT_EQ(where(&spellchecker::SpellDictionary::Enabled), Positions{1}) << "the layout's state";
    EXPECT_TRUE(active().empty());

    ASSERT_TRUE(form->loadDictionaryByCode(GetParam().code));
    EXPECT_EQ(active(), (Positions{GetParam().position, 1}));
    EXPECT_TRUE(checker().isWordCorrect(QString::fromUtf8(GetParam().word)));
    EXPECT_FALSE(checker().isWordCorrect(QStringLiteral("qxzvbkw")));
}

INSTANTIATE_TEST_SUITE_P(, LanguageLoaderTest,
                         ::testing::Values(LoaderCase{"en", 2, "spelling"}, LoaderCase{"cs", 0, "žluťoučký"},
                                           LoaderCase{"de", 3, "Straße"}, LoaderCase{"fr", 4, "été"},
                                           LoaderCase{"it", 5, "perché"}, LoaderCase{"pl", 6, "źdźbło"},
                                           LoaderCase{"es", 7, "niño"}, LoaderCase{"sk", 8, "ďakujem"},
                                           LoaderCase{"ru", 9, "привет"}));

TEST_F(SpellingTest, NoCodeButTheNineLoadsNothing)
{
    create();
    EXPECT_FALSE(form->loadDictionaryByCode("EN"));
    EXPECT_FALSE(form->loadDictionaryByCode(""));
    EXPECT_TRUE(active().empty());
}

TEST_F(SpellingTest, ASecondLanguageJoinsTheFirstAndACustomDictionaryReplacesThemAll)
{
    create();
    form->NactiCZslovnik();
    form->NactiDEslovnik();
    EXPECT_EQ(active(), (Positions{0, 1, 3}));
    EXPECT_TRUE(checker().isWordCorrect("kůň"));
    EXPECT_TRUE(checker().isWordCorrect("Straße"));

    fillCustomDictionary("tavelovat\n");
    nastaveni->cbLang->setCurrentIndex(nastaveni->cbLang->findData(1029));
    form->NactiVlastniSlovnik();
    EXPECT_EQ(active(), Positions{10});
    EXPECT_EQ(checker().Dictionaries(10).Language(), 1029);
    EXPECT_TRUE(checker().Dictionaries(0).Loaded()) << "disabled, not unloaded";
    EXPECT_TRUE(checker().isWordCorrect("tavelovat"));
    EXPECT_FALSE(checker().isWordCorrect("kůň"));

    // A language loader afterwards brings its language back, but not the user word list.
    form->NactiENslovnik();
    EXPECT_EQ(active(), (Positions{2, 10}));
    EXPECT_FALSE(checker().canAddWords());
}

TEST_F(SpellingTest, EveryAddedCustomDictionaryStaysAndTakesPart)
{
    create();
    fillCustomDictionary("tavelovat\n");
    form->NactiVlastniSlovnik();
    form->NactiVlastniSlovnik();
    EXPECT_EQ(active(), (Positions{10, 11}));
}

struct MissingCase {
    const char *code;
    const char *missing;
    int position;
    bool endsEnabled;
};

class MissingDictionaryTest : public SpellingTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingDictionaryTest, TheLoaderFailsNamingTheFileAndOtherEntriesStay)
{
    create();
    form->NactiITslovnik();
    useProgramFolderWithout(QString::fromLatin1(GetParam().missing));
    checker().Dictionaries(1).Unload();
    try {
        form->loadDictionaryByCode(GetParam().code);
        FAIL() << "no error";
    } catch (const rtl::FileOpenError &error) {
        EXPECT_TRUE(error.message().contains(QString::fromLatin1(GetParam().missing))) << error.what();
    }
    const spellchecker::SpellDictionary &entry = checker().Dictionaries(GetParam().position);
    EXPECT_FALSE(entry.Loaded());
    EXPECT_EQ(entry.Enabled(), GetParam().endsEnabled);
    EXPECT_FALSE(checker().Dictionaries(1).Loaded()) << "the user word list is not reached";
    EXPECT_EQ(active(), Positions{5});
}

// Czech, German and Slovak load before they enable; the others enable first.
INSTANTIATE_TEST_SUITE_P(, MissingDictionaryTest,
                         ::testing::Values(MissingCase{"de", "de_DE.aff", 3, false},
                                           MissingCase{"de", "de_DE.dic", 3, false},
                                           MissingCase{"en", "en_US.aff", 2, true},
                                           MissingCase{"sk", "sk_SK.dic", 8, false},
                                           MissingCase{"ru", "ru_RU.aff", 9, true}));

TEST_F(SpellingTest, ACustomDictionaryThatFailsStaysInTheListUnloaded)
{
    create();
    form->NactiENslovnik();
    nastaveni->eCestaKAff->setText(files.path("none.aff"));
    nastaveni->eCestaKDic->setText(files.path("none.dic"));
    EXPECT_THROW(form->NactiVlastniSlovnik(), rtl::FileOpenError);
    ASSERT_EQ(checker().count(), 11);
    EXPECT_TRUE(checker().Dictionaries(10).Enabled());
    EXPECT_TRUE(active().empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass is gone";
}

TEST_F(SpellingTest, TheStartLoadsTheStoredLanguageAndKeepsTheDocumentUnmodified)
{
    writeSettings("[Settings]\nSelectedRadio=cs\n");
    start();
    EXPECT_EQ(active(), (Positions{0, 1}));
    EXPECT_FALSE(checker().isWordCorrect("Straße"));
    EXPECT_FALSE(editor().DocumentModelModified());
}

TEST_F(SpellingTest, TheStartWithTheCustomDictionaryOnLoadsOnlyThatOne)
{
    const QString aff = files.write("my.aff", "SET UTF-8\n");
    const QString dic = files.write("my.dic", "1\ntavelovat\n");
    writeSettings("[Settings]\nSelectedRadio=de\nVlastniSlovnik=1\nCestaDic=" + dic.toUtf8() + "\nCestaAff=" +
                  aff.toUtf8() + "\n");
    start();
    EXPECT_EQ(active(), Positions{10});
    EXPECT_TRUE(checker().isWordCorrect("tavelovat"));
}

TEST_F(SpellingTest, AFirstStartLoadsNoDictionaryAndTheSpellingCommandSaysSo)
{
    start();
    EXPECT_TRUE(active().empty());
    form->dxRibbon->item("bRevizePravopis")->trigger();
    const QStringList errors = dialogs.texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("No spelling dictionaries are available.")) << errors[0].toStdString();
}

TEST_F(SpellingTest, PreferencesOkLoadsTheChosenLanguageOnlyWithoutTheCustomDictionary)
{
    start();
    nastaveni->rbNemcina->setChecked(true);
    nastaveni->cbVlastniSlovnik->setChecked(true);
    nastaveni->bOK->click();
    EXPECT_TRUE(active().empty());
    EXPECT_TRUE(rtl::IniFile(settingsPath()).readBool("Settings", "VlastniSlovnik", false));

    nastaveni->cbVlastniSlovnik->setChecked(false);
    nastaveni->bOK->click();
    EXPECT_EQ(active(), (Positions{1, 3}));
}

TEST_F(SpellingTest, AddButtonLoadsTheCustomDictionaryAndSaysSoOnlyWhenItWorked)
{
    start();
    nastaveni->cbVlastniSlovnik->setChecked(true);
    nastaveni->eCestaKAff->setText(files.path("none.aff"));
    nastaveni->eCestaKDic->setText(files.path("none.dic"));
    nastaveni->bPridatSlovnik->click();
    EXPECT_TRUE(dialogs.texts(Kind::Message).isEmpty());
    ASSERT_EQ(dialogs.texts(Kind::Error).size(), 1);
    EXPECT_TRUE(dialogs.texts(Kind::Error)[0].contains("none.aff"));

    fillCustomDictionary("tavelovat\n");
    nastaveni->bPridatSlovnik->click();
    EXPECT_EQ(dialogs.texts(Kind::Message), QStringList{"Slovník byl přidán"});
    EXPECT_TRUE(checker().isWordCorrect("tavelovat"));
    EXPECT_FALSE(QFile::exists(settingsPath())) << "nothing is stored";
}

TEST_F(SpellingTest, PickingTheDictionaryFilesFillsTheirPaths)
{
    create();
    dialogs.openFiles.push_back(ui::FileChoice{files.write("pick.dic", "1\nx\n"), "Files (*.dic)"});
    nastaveni->bNahratdicClick();
    EXPECT_EQ(nastaveni->eCestaKDic->text(), files.path("pick.dic"));
    EXPECT_EQ(dialogs.lastFilters, QStringList{"Files (*.dic)"});
    nastaveni->bNahratAffClick(); // cancelled
    EXPECT_TRUE(nastaveni->eCestaKAff->text().isEmpty());
}

TEST_F(SpellingTest, TheLanguageListCarriesLocaleIds)
{
    create();
    const int czech = nastaveni->cbLang->findData(1029);
    ASSERT_GE(czech, 0);
    EXPECT_EQ(nastaveni->cbLang->itemText(czech), "Czech (Czechia)");
    EXPECT_GE(nastaveni->cbLang->findData(3082), 0);
}

TEST_F(SpellingTest, TypingMarksMisspeltWordsAndTheToggleTakesThemAway)
{
    writeSettings("[Settings]\nSelectedRadio=en\n");
    start();
    type("Helo world");
    QApplication::processEvents();
    const QTextBlock block = editor().mainStory()->firstBlock();
    ASSERT_EQ(spellchecker::LiveSpellHighlighter::marksOf(block).size(), 1);
    EXPECT_EQ(spellchecker::LiveSpellHighlighter::marksOf(block)[0], (spellchecker::WordSpan{0, 4}));

    ribbon::RibbonItem *toggle = form->dxRibbon->item("bZobrazeniPravopis");
    ASSERT_TRUE(toggle->isChecked()) << "down at start";
    toggle->trigger();
    EXPECT_FALSE(checker().checkAsYouTypeActive());
    EXPECT_TRUE(spellchecker::LiveSpellHighlighter::marksOf(block).isEmpty());
    toggle->trigger();
    QApplication::processEvents();
    EXPECT_EQ(spellchecker::LiveSpellHighlighter::marksOf(block).size(), 1);
}

TEST_F(SpellingTest, TheMenuOfAMarkedWordOffersSuggestionsIgnoreAllAndAdd)
{
    writeSettings("[Settings]\nSelectedRadio=en\n");
    start();
    type("Teh world Teh");
    QApplication::processEvents();
    auto *live = form->editorCommands->findChild<richedit::LiveSpelling *>();
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(live->menuAt(6, nullptr), nullptr) << "a correct word opens the editor's own menu";

    std::unique_ptr<QMenu> menu(live->menuAt(1, nullptr));
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (QAction *action : menu->actions())
        entries << action->text();
    ASSERT_GE(entries.size(), 5);
    const QString first = entries.front();
    EXPECT_TRUE(checker().suggestions("Teh").startsWith(first));
    EXPECT_TRUE(entries.contains("Ignore All"));
    EXPECT_TRUE(entries.contains("Add to Dictionary"));
    EXPECT_TRUE(entries.contains("Spelling..."));

    const auto action = [&menu](const QString &text) {
        for (QAction *a : menu->actions())
            if (a->text() == text)
                return a;
        return static_cast<QAction *>(nullptr);
    };
    action(first)->trigger();
    EXPECT_EQ(editor().mainStory()->toPlainText(), first + " world Teh");

    menu.reset(live->menuAt(first.size() + 8, nullptr));
    ASSERT_NE(menu, nullptr);
    action("Ignore All")->trigger();
    EXPECT_TRUE(spellchecker::LiveSpellHighlighter::marksOf(editor().mainStory()->firstBlock()).isEmpty());
    EXPECT_EQ(live->menuAt(first.size() + 8, nullptr), nullptr);
}

TEST_F(SpellingTest, ANewDocumentIsCheckedToo)
{
    writeSettings("[Settings]\nSelectedRadio=en\n");
    start();
    form->BSouborNovyClick();
    type("Teh");
    QApplication::processEvents();
    EXPECT_EQ(spellchecker::LiveSpellHighlighter::marksOf(editor().mainStory()->firstBlock()).size(), 1);
}

TEST_F(SpellingTest, WordsAddedInOneRunPassInTheNext)
{
    writeSettings("[Settings]\nSelectedRadio=en\n");
    start();
    checker().addWord("Tavelish");
    nastaveni.reset();
    form.reset(); // the program ends: the checker unloads and writes its list
    EXPECT_EQ(current.read("Dictionaries/Custom.txt"), QByteArray()) << "no folder, quietly not written";

    QDir().mkpath(current.path("Dictionaries"));
    start();
    checker().addWord("Tavelish");
    nastaveni.reset();
    form.reset();
    EXPECT_EQ(current.read("Dictionaries/Custom.txt"), QByteArray("Tavelish\n"));
    start();
    EXPECT_TRUE(checker().isWordCorrect("Tavelish"));
}

} // namespace
