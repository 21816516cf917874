#include "EditorFixture.h"
#include "commands/ReadyMadeCharacters.h"

#include <QAction>

#include <map>

namespace {

using commands::ReadyMadeCharacter;

// The text each entry must insert, written as the characters themselves.
const std::map<std::string, std::string> expectedTexts = {
    {"BVlozeniHotoveZnakyKulateZavorky", "( )"},
    {"BVlozeniHotoveZnakyHranateZavorky", "[ ]"},
    {"BVlozeniHotoveZnakySlozeneZavorky", "{ }"},
    {"BVlozeniHotoveZnakylomeneZavorky", "< >"},
    {"bVlozeniHotoveZnakyPomlcka", "–"},
    {"bVlozeniHotoveZnakyPomlcka1", "—"},
    {"bVlozeniHotoveZnakyTriTecky", "…"},
    {"bVlozeniHotoveZnakyDvouTecka", " :"},
    {"bVlozeniHotoveZnakyDvojiteUvozovky", "„ “"},
    {"bVlozeniHotoveZnakyDvojiteUvozovky1", "‚ ‘"},
    {"bVlozeniHotoveZnakyZpetneLomitko", "\\"},
    {"bVlozeniHotoveZnakyLomitko", "/"},
    {"bVlozeniHotoveZnakyTilda", "~"},
    {"bVlozeniHotoveZnakyBackTick", "`"},
    {"bVlozeniHotoveZnakyStriska", "^"},
    {"bVlozeniHotoveZnakySipkaNahoru", "↑"},
    {"bVlozeniHotoveZnakySipkaDolu", "↓"},
    {"bVlozeniHotoveZnakySipkaVpravo", "→"},
    {"bVlozeniHotoveZnakySipkaVlevo", "←"},
    {"bVlozeniHotoveZnakyCopright", "©"},
    {"bVlozeniHotoveZnakyEuro", "€"},
    {"bVlozeniHotoveZnankySmajlik1", ":-)"},
    {"bVlozeniHotoveZnankySmajlik2", ":-D"},
    {"bVlozeniHotoveZnankySmajlik3", ";-)'"},
    {"bVlozeniHotoveZnankySmajlik4", ":-P"},
    {"bVlozeniHotoveZnankySmajlik5", ":-("},
    {"bVlozeniHotoveZnankySmajlik6", ":'-("},
    {"bVlozeniHotoveZnankySmajlik7", ">:("},
    {"bVlozeniHotoveZnankySmajlik8", "`:-"},
};

TEST(ReadyMadeTableTest, FiveMenusHoldTheTwentyNineEntriesInOrder)
{
    const auto menus = commands::readyMadeMenus();
    ASSERT_EQ(menus.size(), 5u);
    const std::vector<std::pair<std::string, int>> expected = {
        {"bVlozeniHotoveZnakyZavorky", 4}, {"bVlozeniHotoveZnakyInterpunkce", 6},
        {"bVlozeniHotoveZnakyProgramatorskeZnaky", 5}, {"bVlozeniHotoveZnakySymboly", 6},
        {"bVlozeniHotoveZnakySmajlici", 8}};
    std::size_t entry = 0;
    for (std::size_t m = 0; m < menus.size(); ++m) {
        EXPECT_EQ(menus[m].component, expected[m].first);
        EXPECT_EQ(menus[m].separatorBefore, expected[m].first == "bVlozeniHotoveZnakySymboly");
        for (int i = 0; i < expected[m].second; ++i, ++entry) {
            ASSERT_LT(entry, commands::readyMadeCharacters().size());
            EXPECT_EQ(commands::readyMadeCharacters()[entry].menu, expected[m].first) << entry;
        }
    }
    EXPECT_EQ(entry, commands::readyMadeCharacters().size());
    EXPECT_EQ(QString::fromUtf8(menus[2].caption), QStringLiteral("Programátorské znaky"));
}

TEST(ReadyMadeTableTest, CaptionHintAndHandlerFollowTheComponent)
{
    for (const ReadyMadeCharacter &entry : commands::readyMadeCharacters()) {
        ASSERT_TRUE(expectedTexts.count(entry.component)) << entry.component;
        EXPECT_EQ(entry.caption().toStdString(), expectedTexts.at(entry.component)) << entry.component;
        EXPECT_EQ(entry.hint(), entry.caption());
        EXPECT_EQ(std::string(entry.clickHandlerName), std::string(entry.component) + "Click");
        EXPECT_EQ(commands::findReadyMadeCharacter(QString::fromLatin1(entry.component)), &entry);
    }
    EXPECT_EQ(commands::findReadyMadeCharacter(u"bVlozeniHotoveZnakyNic"), nullptr);
    // Characters that are easy to get wrong: each is the character counted here.
    EXPECT_EQ(commands::findReadyMadeCharacter(u"bVlozeniHotoveZnakyDvojiteUvozovky")->caption(),
              QString::fromUcs4(U"\u201E \u201C"));
    EXPECT_EQ(commands::findReadyMadeCharacter(u"bVlozeniHotoveZnankySmajlik3")->caption().size(), 4);
    EXPECT_EQ(commands::findReadyMadeCharacter(u"bVlozeniHotoveZnakyZpetneLomitko")->caption(), QStringLiteral("\\"));
}

class ReadyMadeInsertTest : public EditorFixture, public ::testing::WithParamInterface<std::size_t> {
protected:
    const ReadyMadeCharacter &entry() { return commands::readyMadeCharacters()[GetParam()]; }
};

TEST_P(ReadyMadeInsertTest, InsertsItsCaptionAtTheActiveEndAndKeepsTheSelection)
{
    setText(QStringLiteral("Hello world"));
    select(6, 11); // "world", extended forwards
    QAction item(entry().caption());
    entry().click(editor, &item);
    const QString caption = QString::fromUtf8(expectedTexts.at(entry().component));
    EXPECT_EQ(text(), QStringLiteral("Hello world") + caption);
    EXPECT_EQ(selectedText(), QStringLiteral("world"));
}

TEST_P(ReadyMadeInsertTest, ABackwardSelectionGetsTheTextBeforeIt)
{
    setText(QStringLiteral("Hello world"));
    select(11, 6); // "world", extended backwards: the caret is before it
    QAction item(entry().caption());
    entry().click(editor, &item);
    const QString caption = QString::fromUtf8(expectedTexts.at(entry().component));
    EXPECT_EQ(text(), QStringLiteral("Hello ") + caption + QStringLiteral("world"));
    EXPECT_EQ(selectedText(), QStringLiteral("world"));
    EXPECT_EQ(editor.textCursor().position(), 6 + caption.size());
}

INSTANTIATE_TEST_SUITE_P(Entries, ReadyMadeInsertTest, ::testing::Range<std::size_t>(0, 29),
                         [](const auto &info) { return std::string(commands::readyMadeCharacters()[info.param].component); });

using VlozitHotovyZnakTest = EditorFixture;

TEST_F(VlozitHotovyZnakTest, WithoutASelectionTheCaretEndsAfterTheText)
{
    setText(QStringLiteral("ab"));
    select(1, 1);
    QAction euro(QStringLiteral("€"));
    commands::bVlozeniHotoveZnakyEuroClick(editor, &euro);
    EXPECT_EQ(text(), QStringLiteral("a€b"));
    EXPECT_EQ(editor.textCursor().position(), 2);
    EXPECT_FALSE(editor.textCursor().hasSelection());
}

TEST_F(VlozitHotovyZnakTest, InsertsTheSendersCurrentCaption)
{
    setText(QString());
    QAction item(QStringLiteral(":-)"));
    item.setText(QStringLiteral("<>"));
    commands::VlozitHotovyZnak(editor, &item);
    EXPECT_EQ(text(), QStringLiteral("<>"));
}

TEST_F(VlozitHotovyZnakTest, ASenderThatIsNoItemChangesNothing)
{
    setText(QStringLiteral("ab"));
    select(1, 1);
    QObject notAnItem;
    commands::VlozitHotovyZnak(editor, &notAnItem);
    commands::VlozitHotovyZnak(editor, nullptr);
    commands::BVlozeniHotoveZnakyKulateZavorkyClick(editor, nullptr);
    EXPECT_EQ(text(), QStringLiteral("ab"));
    EXPECT_FALSE(story().isUndoAvailable());
}

TEST_F(VlozitHotovyZnakTest, OneEntryIsOneUndoStep)
{
    setText(QStringLiteral("ab"));
    story().clearUndoRedoStacks();
    select(2, 2);
    QAction item(QStringLiteral(":'-("));
    commands::bVlozeniHotoveZnankySmajlik6Click(editor, &item);
    ASSERT_EQ(text(), QStringLiteral("ab:'-("));
    story().undo();
    EXPECT_EQ(text(), QStringLiteral("ab"));
}

} // namespace
