#include "commands/RibbonBinding.h"
#include "commands/RibbonDefinition.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/richedit/commands/EditorCommands.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/FakeDialogs.h"

#include "../platform/richedit/commands/CommandsFixture.h"

#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

using namespace commands;

namespace {

/// The program's own click handlers that the ribbon names.
const char *const handlerNames[] = {
    "BSouborNovyClick", "acOtevritExecute", "BSouborUlozitClick", "BSouborUlozitJakoClick",
    "bSouborOdeslatJakoPrilohuClick", "bSouborOdeslatJakoTeloMailuClick", "bSouborPredvolbyNastaveniClick",
    "bDomuSchrankaVlozitJakoObrazekClick", "bSouborSchrankaJakoProstyTextClick", "bDomuPismoSmazatFormatClick",
    "bVlozitDatumClick", "bVlozitCasClick", "bVlozitDatumCasClick", "bZobrazeniPravopisClick", "bZobrazeni1Click",
    "bNapovedaPrejitNaWebClick", "bNapovedaKontrolaNoveVerzeClick", "BNapovedaCoJeNovehoClick",
    "bNapovedaOAplikaciClick",
};

/// Items whose hint is not their own caption.
const QHash<QString, QString> specialHints = {
    {QStringLiteral("BSouborNovy"), QStringLiteral("Vytvořte nový dokument.")},
    {QStringLiteral("BSouborOtevrit"), QStringLiteral("Otevře dokument")},
    {QStringLiteral("BSouborUlozit"), QStringLiteral("Uložte dokument.")},
    {QStringLiteral("bDomuViceUrovni"), QStringLiteral("Spusťte víceúrovňový seznam.")},
    {QStringLiteral("bSouborRadkovani"), QStringLiteral("Změnit řádkování")},
    {QStringLiteral("bVlozitDatumCas"), QStringLiteral("Zobrazí dialog pro vložení datumu a času.")},
    {QStringLiteral("bZobrazeniPravopis"), QStringLiteral("Zapne/Vypne živou kontrolu pravopisu")},
    {QStringLiteral("bRozlozeniTabulkyOdstranitTabulku"), QStringLiteral("Delete Entire Table.")},
    {QStringLiteral("bRozlozeniTabulkyDialog"), QStringLiteral("Otevře dialogové okno pro formulář")},
};

/// The whole ribbon built from its definition over an editor, with every handler counting its clicks.
class RibbonFixture : public ::testing::Test {
protected:
    RibbonFixture()
    {
        window.setCentralWidget(editor);
        window.setMenuWidget(ribbonWidget);
        RibbonHandlers handlers;
        for (const char *name : handlerNames)
            handlers.insert(QString::fromLatin1(name), [this, name](ribbon::RibbonItem *) { ++clicks[QString::fromLatin1(name)]; });
        binding = std::make_unique<RibbonBinding>(*ribbonWidget, commands, dialogs, handlers);
    }

    ribbon::RibbonItem *item(const char *name) { return ribbonWidget->item(QString::fromUtf8(name)); }

    ui::FakeDialogs dialogs;
    FakeEditorDialogs editorDialogs;
    QMainWindow window;
    richedit::RichEditControl *editor = new richedit::RichEditControl(dialogs, &window);
    ribbon::Ribbon *ribbonWidget = new ribbon::Ribbon(&window);
    richedit::EditorCommands commands{*editor, editorDialogs};
    std::unique_ptr<RibbonBinding> binding;
    QHash<QString, int> clicks;
};

QString expectedHint(const RibbonEntry &entry)
{
    const QString name = QString::fromUtf8(entry.name);
    if (specialHints.contains(name))
        return specialHints.value(name);
    if (entry.binding == Binding::Command)
        return QString::fromUtf8(richedit::EditorCommands::find(QString::fromLatin1(entry.target))->hint);
    if (entry.binding == Binding::Menu)
        return QString();
    return QString::fromUtf8(entry.caption);
}

} // namespace

TEST_F(RibbonFixture, ElevenTabsInTheirOrder)
{
    const char *const expected[][2] = {
        {"ZalozkaSoubor", "Soubor"}, {"ZalozkaDomu", "Domů"}, {"ZalozkaVlozit", "Vložení"},
        {"ZalozkaRozlozeniStranky", "Rozložení stránky"}, {"ZalozkaReference", "Reference"},
        {"ZalozkaRevize", "Revize"}, {"ZalozkaZobrazeni", "Zobrazení"}, {"ZalozkaZahlaviZapati", "Záhlaví a zápatí"},
        {"ZalozkaNavrhTabulky", "Návrh Tabulky"}, {"ZalozkaRozlozeniTabulky", "Rozložení tabulky"},
        {"ZalozkaNapoveda", "Nápověda"},
    };
    const QList<ribbon::RibbonTab *> tabs = ribbonWidget->tabs();
    ASSERT_EQ(tabs.size(), 11);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(tabs.at(i)->objectName(), QString::fromUtf8(expected[i][0]));
        EXPECT_EQ(tabs.at(i)->caption(), QString::fromUtf8(expected[i][1]));
        EXPECT_TRUE(tabs.at(i)->isTabVisible());
    }
}

TEST_F(RibbonFixture, EveryRowOfTheDefinitionIsInTheRibbonAsDefined)
{
    QSet<QString> names;
    ribbon::RibbonTab *tab = nullptr;
    ribbon::RibbonGroup *group = nullptr;
    ribbon::RibbonItem *menu = nullptr;
    int tabIndex = -1, groupIndex = 0, itemIndex = 0, entryIndex = 0;
    int items = 0;
    for (const RibbonEntry &entry : ribbonDefinition()) {
        const QString name = QString::fromUtf8(entry.name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(names.contains(name)) << "component names are unique";
        names << name;
        switch (entry.row) {
        case RowKind::Tab:
            tab = ribbonWidget->tab(name);
            ASSERT_NE(tab, nullptr);
            EXPECT_EQ(ribbonWidget->tabs().indexOf(tab), ++tabIndex);
            groupIndex = 0;
            break;
        case RowKind::Group:
            group = ribbonWidget->group(name);
            ASSERT_NE(group, nullptr);
            ASSERT_LT(groupIndex, tab->groups().size());
            EXPECT_EQ(tab->groups().at(groupIndex++), group);
            EXPECT_EQ(group->caption(), QString::fromUtf8(entry.caption));
            itemIndex = 0;
            break;
        case RowKind::Item: {
            ++items;
            ribbon::RibbonItem *item = ribbonWidget->item(name);
            ASSERT_NE(item, nullptr);
            if (entry.depth == 0) {
                ASSERT_LT(itemIndex, group->items().size());
                EXPECT_EQ(group->items().at(itemIndex++), item) << "in its group, in order";
                menu = item;
                entryIndex = 0;
            } else {
                ASSERT_NE(menu->dropDown(), nullptr);
                ASSERT_LT(entryIndex, menu->menuItems().size());
                EXPECT_EQ(menu->menuItems().at(entryIndex++), item) << "in its menu, in order";
            }
            EXPECT_EQ(item->kind(), entry.kind);
            const ribbon::ItemLayout layout = item->itemLayout();
            EXPECT_EQ(layout.separator, bool(entry.marks & Sep));
            EXPECT_EQ(layout.continuesRow, bool(entry.marks & Row));
            EXPECT_EQ(layout.joinedGroup, bool(entry.marks & Grp));
            EXPECT_EQ(layout.iconOnly, bool(entry.marks & Icon));
            EXPECT_EQ(layout.textBeside, bool(entry.marks & Text));
            EXPECT_EQ(layout.alwaysLarge, bool(entry.marks & Large));
            EXPECT_EQ(layout.width, entry.width);
            EXPECT_EQ(item->isCheckable(), bool(entry.marks & Toggle));
            EXPECT_EQ(item->isVisible(), !(entry.marks & Hidden));

            const richedit::EditorCommand *command = binding->commandOf(item);
            switch (entry.binding) {
            case Binding::Command:
                ASSERT_NE(command, nullptr) << "bound to a command the editor knows";
                EXPECT_STREQ(command->name, entry.target);
                EXPECT_EQ(item->text(), QString::fromUtf8(entry.caption ? entry.caption : command->caption));
                EXPECT_EQ(item->isEnabled(), commands.isEnabled(*command));
                break;
            case Binding::Handler:
                EXPECT_EQ(command, nullptr);
                EXPECT_TRUE(std::find_if(std::begin(handlerNames), std::end(handlerNames), [&](const char *h) {
                                return qstrcmp(h, entry.target) == 0;
                            }) != std::end(handlerNames));
                EXPECT_TRUE(binding->isBound(item));
                EXPECT_EQ(item->text(), QString::fromUtf8(entry.caption));
                break;
            case Binding::Menu:
                EXPECT_NE(item->dropDown(), nullptr);
                [[fallthrough]];
            case Binding::None:
                EXPECT_FALSE(binding->isBound(item));
                EXPECT_EQ(item->text(), QString::fromUtf8(entry.caption));
                break;
            }
            EXPECT_EQ(item->hint(), expectedHint(entry));
            break;
        }
        }
    }
    EXPECT_EQ(tabIndex, 10);
    EXPECT_GT(items, 200);
}

TEST_F(RibbonFixture, StartStateOfTheLayout)
{
    EXPECT_FALSE(item("bDomuPismoSmazatFormat")->isEnabled());
    EXPECT_TRUE(item("bZobrazeniPravopis")->isChecked());
    for (const char *hidden : {"bZobrazeniJednastranka", "bZobrazeniDveStranky", "bZobrazeniSirkaStranky"}) {
        EXPECT_FALSE(item(hidden)->isVisible()) << hidden;
        EXPECT_TRUE(item(hidden)->widget()->isHidden()) << hidden;
    }
}

TEST_F(RibbonFixture, EmptyMenusWaitDisabledForTheirEntries)
{
    for (const char *name : {"bVlozeniHotoveZnakyZavorky", "bVlozeniHotoveZnakySmajlici"})
        EXPECT_FALSE(item(name)->isEnabled()) << name;
    EXPECT_TRUE(item("bVlozenitextHotoveZnaky")->isEnabled());
    EXPECT_TRUE(item("bSouborRadkovani")->isEnabled());
}

TEST_F(RibbonFixture, OnlyPlainTextPasteHasAShortcut)
{
    for (const RibbonEntry &entry : ribbonDefinition()) {
        if (entry.row != RowKind::Item)
            continue;
        const QKeySequence expected = qstrcmp(entry.name, "bSouborSchrankaJakoProstyText") == 0
                                          ? QKeySequence(QStringLiteral("Ctrl+Shift+V"))
                                          : QKeySequence();
        EXPECT_EQ(item(entry.name)->shortcut(), expected) << entry.name;
    }
}

TEST_F(RibbonFixture, CtrlShiftVRunsPlainTextPasteWhicheverTabIsShown)
{
    ribbonWidget->tab(QStringLiteral("ZalozkaRevize"))->setActive();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    editor->setFocus();
    QTest::keyClick(editor->viewport(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clicks.value(QStringLiteral("bSouborSchrankaJakoProstyTextClick")), 1);
    item("bSouborSchrankaJakoProstyText")->setEnabled(false);
    QTest::keyClick(editor->viewport(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clicks.value(QStringLiteral("bSouborSchrankaJakoProstyTextClick")), 1) << "not while disabled";
}

TEST_F(RibbonFixture, MenuOfListsOffersFiguresTablesAndEquationsInThatOrder)
{
    const QList<ribbon::RibbonItem *> entries = item("bReferenceTitulkyVlozitSeznam")->menuItems();
    ASSERT_EQ(entries.size(), 3);
    const char *const expected[] = {"InsertTableOfFigures", "InsertTableOfTables", "InsertTableOfEquations"};
    for (int i = 0; i < 3; ++i)
        EXPECT_STREQ(binding->commandOf(entries.at(i))->name, expected[i]);
}

TEST_F(RibbonFixture, CellAlignmentItemsRunColumnByColumn)
{
    const char *const expected[] = {
        "ToggleTableCellsTopLeftAlignment",   "ToggleTableCellsMiddleLeftAlignment",
        "ToggleTableCellsBottomLeftAlignment", "ToggleTableCellsTopCenterAlignment",
        "ToggleTableCellsMiddleCenterAlignment", "ToggleTableCellsBottomCenterAlignment",
        "ToggleTableCellsTopRightAlignment",  "ToggleTableCellsMiddleRightAlignment",
        "ToggleTableCellsBottomRightAlignment",
    };
    const QList<ribbon::RibbonItem *> items = ribbonWidget->group(QStringLiteral("ZalozkaRozlozeniTabulkyZarovnani"))->items();
    ASSERT_EQ(items.size(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_STREQ(binding->commandOf(items.at(i))->name, expected[i]);
}

TEST_F(RibbonFixture, StatesAreRecomputedOncePerEventLoopPassAndFollowTheCaret)
{
    editor->mainStory()->setPlainText(QStringLiteral("plain bold"));
    QTextCursor cursor(editor->mainStory());
    cursor.setPosition(6);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    QCoreApplication::processEvents();

    const int before = binding->updatePasses();
    for (int position : {1, 2, 3, 7, 8})
        editor->setTextCursor(QTextCursor(editor->mainStory()->findBlock(position)));
    cursor.setPosition(8);
    editor->setTextCursor(cursor);
    EXPECT_EQ(binding->updatePasses(), before) << "nothing is recomputed within the pass";
    QCoreApplication::processEvents();
    EXPECT_EQ(binding->updatePasses(), before + 1);
    EXPECT_TRUE(item("bDomuTucne")->isChecked());
    EXPECT_FALSE(item("bKopirovat")->isEnabled());

    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    QCoreApplication::processEvents();
    EXPECT_FALSE(item("bDomuTucne")->isChecked());
    EXPECT_TRUE(item("bKopirovat")->isEnabled());
}

TEST_F(RibbonFixture, ClickingACommandItemRunsItsCommandOnTheDocument)
{
    editor->mainStory()->setPlainText(QStringLiteral("text"));
    QTextCursor cursor(editor->mainStory());
    cursor.select(QTextCursor::Document);
    editor->setTextCursor(cursor);
    item("bDomuKurziva")->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(item("bDomuKurziva")->isChecked());
    EXPECT_TRUE(commands.isChecked(u"ToggleFontItalic"));
    item("beVelikostPisma")->comboBox()->setCurrentText(QStringLiteral("bad"));
    emit item("beVelikostPisma")->executed(QStringLiteral("bad"));
    EXPECT_EQ(dialogs.texts(ui::FakeDialogs::Kind::Error),
              QStringList{QStringLiteral("The font size must be a number between 1 and 1638.")})
        << "a command's error is reported, not thrown through the event loop";
}
