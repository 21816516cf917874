// The main window's part in the ribbon: the start state, the tabs that follow the selection,
// "Smazat formát", the paste variants and "100%".
#include "app/Unit1.h"
#include "commands/ReadyMadeCharacters.h"
#include "commands/RibbonBinding.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/richedit/commands/EditingCommands.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/FakeDialogs.h"
#include "preferences/fNastav.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMimeData>

#include <gtest/gtest.h>

namespace {

class MainWindowRibbon : public ::testing::Test {
protected:
    MainWindowRibbon()
    {
        qputenv("APPDATA", settings.root().toUtf8());
        form = std::make_unique<TForm1>(dialogs, QStringList{QStringLiteral("tavel-editor")});
        nastaveni = std::make_unique<TfNastaveni>(*form->dxRichEditControl1);
        form->attachWindows(nullptr, nastaveni.get(), nullptr);
        form->show();
        QCoreApplication::processEvents();
    }

    ribbon::RibbonItem *item(const char *name) { return form->dxRibbon->item(QString::fromUtf8(name)); }
    ribbon::RibbonTab *tab(const char *name) { return form->dxRibbon->tab(QString::fromUtf8(name)); }
    richedit::RichEditControl &editor() { return *form->dxRichEditControl1; }

    void caretAt(int position)
    {
        QTextCursor cursor(editor().mainStory());
        cursor.setPosition(position);
        editor().setTextCursor(cursor);
    }

    TempDir settings;
    ui::FakeDialogs dialogs;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TfNastaveni> nastaveni;
};

const char *const selectionTabs[] = {"ZalozkaNavrhTabulky", "ZalozkaRozlozeniTabulky", "ZalozkaZahlaviZapati"};

} // namespace

TEST_F(MainWindowRibbon, StartShowsHomeAndHidesTheSelectionTabs)
{
    EXPECT_EQ(form->dxRibbon->activeTab(), form->ZalozkaDomu);
    for (ribbon::RibbonTab *t : form->dxRibbon->tabs()) {
        const bool selectionTab = std::any_of(std::begin(selectionTabs), std::end(selectionTabs),
                                              [&](const char *n) { return t->objectName() == QLatin1String(n); });
        EXPECT_EQ(t->isTabVisible(), !selectionTab) << t->objectName().toStdString();
    }
    EXPECT_FALSE(item("bDomuPismoSmazatFormat")->isEnabled());
    EXPECT_EQ(form->ZalozkaSouborSoubor->objectName(), QStringLiteral("ZalozkaSouborSoubor"));
    EXPECT_EQ(form->BSouborNovy, item("BSouborNovy"));
    EXPECT_TRUE(form->BSouborUlozit->isEnabled());
}

TEST_F(MainWindowRibbon, TableTabsFollowTheCaretAndLeaveTheActiveTabAlone)
{
    editor().mainStory()->setPlainText(QStringLiteral("before"));
    tab("ZalozkaVlozit")->setActive();
    caretAt(6);
    richedit::editing::insertTable(editor(), 2, 2);
    EXPECT_TRUE(tab("ZalozkaNavrhTabulky")->isTabVisible());
    EXPECT_TRUE(tab("ZalozkaRozlozeniTabulky")->isTabVisible());
    EXPECT_FALSE(tab("ZalozkaZahlaviZapati")->isTabVisible());
    EXPECT_EQ(form->dxRibbon->activeTab(), tab("ZalozkaVlozit"));

    caretAt(0);
    EXPECT_FALSE(tab("ZalozkaNavrhTabulky")->isTabVisible());
    EXPECT_FALSE(tab("ZalozkaRozlozeniTabulky")->isTabVisible());
    EXPECT_EQ(form->dxRibbon->activeTab(), tab("ZalozkaVlozit"));
}

TEST_F(MainWindowRibbon, ClearFormattingFollowsTheSelectionLength)
{
    editor().mainStory()->setPlainText(QStringLiteral("abc"));
    QTextCursor cursor(editor().mainStory());
    cursor.setPosition(1);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    editor().setTextCursor(cursor);
    EXPECT_TRUE(item("bDomuPismoSmazatFormat")->isEnabled()) << "one character selected";
    item("bDomuPismoSmazatFormat")->trigger();
    EXPECT_NE(editor().textCursor().charFormat().fontWeight(), QFont::Bold);
    caretAt(2);
    EXPECT_FALSE(item("bDomuPismoSmazatFormat")->isEnabled()) << "a caret only";
}

TEST_F(MainWindowRibbon, PasteVariantsFollowThePasteItem)
{
    const char *const pasteItems[] = {"bVlozit", "bDomuSchrankaVlozitJakoObrazek", "bSouborSchrankaJakoProstyText"};
    QClipboard *clipboard = QApplication::clipboard();

    clipboard->clear();
    QCoreApplication::processEvents();
    for (const char *name : pasteItems)
        EXPECT_FALSE(item(name)->isEnabled()) << "empty clipboard: " << name;

    clipboard->setText(QStringLiteral("copied elsewhere"));
    QCoreApplication::processEvents();
    for (const char *name : pasteItems)
        EXPECT_TRUE(item(name)->isEnabled()) << "text: " << name;

    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    clipboard->clear();
    QCoreApplication::processEvents();
    clipboard->setImage(picture);
    QCoreApplication::processEvents();
    for (const char *name : pasteItems)
        EXPECT_TRUE(item(name)->isEnabled()) << "a picture only: " << name;
}

TEST_F(MainWindowRibbon, PlainTextPasteItemPastesWithoutFormatting)
{
    auto *mime = new QMimeData;
    mime->setHtml(QStringLiteral("<b>bold</b>"));
    mime->setText(QStringLiteral("bold"));
    QApplication::clipboard()->setMimeData(mime);
    QCoreApplication::processEvents();
    item("bSouborSchrankaJakoProstyText")->trigger();
    EXPECT_EQ(editor().document().plainText(), QStringLiteral("bold"));
    QTextCursor probe(editor().mainStory());
    probe.setPosition(2);
    EXPECT_NE(probe.charFormat().fontWeight(), QFont::Bold);
}

TEST_F(MainWindowRibbon, ReadyMadeMenusCarryTheirCharacters)
{
    ribbon::RibbonItem *menu = item("bVlozeniHotoveZnakySmajlici");
    ASSERT_TRUE(menu);
    EXPECT_TRUE(menu->isEnabled());
    const commands::ReadyMadeCharacter &first = commands::readyMadeCharacters().front();
    ribbon::RibbonItem *entry = item(first.component);
    ASSERT_TRUE(entry);
    entry->trigger();
    EXPECT_EQ(editor().document().plainText(), first.caption());
}

TEST_F(MainWindowRibbon, HundredPercentSetsExactlyOneAfterAnyZoom)
{
    for (int i = 0; i < 3; ++i) {
        item("bZobrazeniZvetsit")->trigger();
        QCoreApplication::processEvents();
    }
    EXPECT_NE(editor().zoomFactor(), 1.0);
    item("bZobrazeni1")->trigger();
    EXPECT_EQ(editor().zoomFactor(), 1.0);
    editor().setZoomFactor(0.37);
    item("bZobrazeni1")->trigger();
    EXPECT_EQ(editor().zoomFactor(), 1.0);
}

TEST_F(MainWindowRibbon, StatusBarHasItsSixPanels)
{
    EXPECT_EQ(form->dxRibbonStatusBarTextPanel->width(), 100);
    EXPECT_TRUE(form->dxRibbonStatusBarTextPanel->text().isEmpty());
    for (int panel = 1; panel <= 6; ++panel)
        EXPECT_NE(form->dxRibbonStatusBar->findChild<QWidget *>(QStringLiteral("dxRibbonStatusBarPanel%1").arg(panel)),
                  nullptr)
            << panel;
}
