#include "platform/localizer/EngineTexts.h"
#include "platform/localizer/Localizer.h"
#include "platform/richedit/commands/EditorCommand.h"
#include "platform/richedit/commands/EditorCommands.h"
#include "platform/richedit/commands/BookmarkDialog.h"
#include "platform/richedit/commands/FindReplaceDialog.h"
#include "platform/richedit/commands/SymbolDialog.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/FakeDialogs.h"
#include "platform/rtl/MemIniFile.h"
#include "support/TempDir.h"

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QEvent>
#include <QMenu>
#include <QSet>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

/// Counts the language changes it is told about, as a retranslating dialog would.
class Listener : public QWidget {
public:
    int changes = 0;

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++changes;
        QWidget::changeEvent(event);
    }
};

class LocalizerTest : public ::testing::Test {
protected:
    TempDir folder;
    localizer::Localizer localizer;

    QString file(const QByteArray &content, const QString &name = "german.ini")
    {
        return folder.write(name, content);
    }
    void load(const QString &path, int locale)
    {
        localizer.SetFileName(path);
        localizer.SetActive(true);
        localizer.SetLocale(locale);
    }
};

TEST_F(LocalizerTest, BuiltInEnglishHasEveryCommandWithUniqueKeys)
{
    QSet<QString> keys;
    for (const localizer::EngineText &text : localizer::englishTexts()) {
        EXPECT_FALSE(text.english.isEmpty()) << text.key.toStdString();
        EXPECT_FALSE(keys.contains(text.key.toCaseFolded())) << "twice: " << text.key.toStdString();
        keys.insert(text.key.toCaseFolded());
    }
    for (const richedit::EditorCommand &command : richedit::EditorCommands::all()) {
        const QString name = QString::fromLatin1(command.name);
        EXPECT_EQ(localizer.text(localizer::commandCaptionKey(name)), QString::fromUtf8(command.caption));
        EXPECT_EQ(localizer.text(localizer::commandHintKey(name)), QString::fromUtf8(command.hint));
    }
}

TEST_F(LocalizerTest, InactiveItShowsTheBuiltInEnglish)
{
    EXPECT_FALSE(localizer.Active());
    EXPECT_EQ(localizer.text("Command.ToggleFontBold.Caption"), "Bold");
    EXPECT_EQ(localizer.text("no.such.key"), "no.such.key");
}

TEST_F(LocalizerTest, TheLocalePicksItsSectionOrTheBuiltInEnglish)
{
    load(file("[1031]\nCommand.ToggleFontBold.Caption=Fett\n[1029]\ncommand.togglefontbold.caption=Tučné\n"), 1031);
    EXPECT_TRUE(localizer.translating());
    EXPECT_EQ(localizer.text("Command.ToggleFontBold.Caption"), "Fett");
    EXPECT_EQ(localizer.text("Command.ToggleFontItalic.Caption"), "Italic"); // not in the file
    localizer.SetLocale(1029);
    EXPECT_EQ(localizer.text("Command.ToggleFontBold.Caption"), "Tučné");
    localizer.SetLocale(1033);
    EXPECT_FALSE(localizer.translating());
    EXPECT_EQ(localizer.text("Command.ToggleFontBold.Caption"), "Bold");
}

TEST_F(LocalizerTest, AMissingFileRaisesAndLeavesItInactive)
{
    localizer.SetFileName(folder.path("missing.ini"));
    try {
        localizer.SetActive(true);
        FAIL() << "no error";
    } catch (const rtl::FileOpenError &error) {
        EXPECT_TRUE(error.message().startsWith("Cannot open file \"" + folder.path("missing.ini") + "\"."))
            << error.what();
    }
    EXPECT_FALSE(localizer.Active());
    localizer.SetLocale(1031);
    EXPECT_EQ(localizer.text("Command.ToggleFontBold.Caption"), "Bold");
}

TEST_F(LocalizerTest, ADifferentFileNameDropsWhatWasLoaded)
{
    load(file("[1031]\nCommand.ToggleFontBold.Caption=Fett\n"), 1031);
    localizer.SetFileName(file("[1036]\nCommand.ToggleFontBold.Caption=Gras\n", "french.ini"));
    EXPECT_FALSE(localizer.Active());
    EXPECT_EQ(localizer.text("Command.ToggleFontBold.Caption"), "Bold");
    localizer.SetActive(true);
    localizer.SetLocale(1036);
    EXPECT_EQ(localizer.text("Command.ToggleFontBold.Caption"), "Gras");
}

TEST_F(LocalizerTest, TheSameFileNameKeepsWhatWasLoaded)
{
    const QString path = file("[1031]\nCommand.ToggleFontBold.Caption=Fett\n");
    load(path, 1031);
    file("[1031]\nCommand.ToggleFontBold.Caption=changed\n");
    load(path, 1031);
    EXPECT_EQ(localizer.text("Command.ToggleFontBold.Caption"), "Fett");
}

TEST_F(LocalizerTest, OpenWindowsAreToldAtOnceAndTheEngineTranslationsServeThem)
{
    Listener window;
    int announced = 0;
    QObject::connect(&localizer, &localizer::Localizer::textsChanged, [&] { ++announced; });
    load(file("[1031]\nFindReplace.FindWhat=&Suchen nach:\n"), 1031);
    QApplication::processEvents();
    EXPECT_GE(announced, 1);
    EXPECT_GE(window.changes, 1);
    EXPECT_EQ(QCoreApplication::translate("richedit::FindReplaceDialog", "Fi&nd what:"), "&Suchen nach:");
    EXPECT_EQ(QCoreApplication::translate("richedit::FindReplaceDialog", "Match &case"), "Match &case");

    const int before = window.changes;
    localizer.SetLocale(1033);
    QApplication::processEvents();
    EXPECT_GT(window.changes, before);
    EXPECT_EQ(QCoreApplication::translate("richedit::FindReplaceDialog", "Fi&nd what:"), "Fi&nd what:");
}

TEST_F(LocalizerTest, TheOpenFindAndReplaceWindowChangesItsTexts)
{
    ui::FakeDialogs dialogs;
    richedit::RichEditControl control(dialogs);
    richedit::CommandSession session;
    richedit::FindReplaceDialog window(control, session);
    window.open(true);
    const auto findNext = [&] {
        for (QPushButton *button : window.findChildren<QPushButton *>())
            if (button->isDefault())
                return button->text();
        return QString();
    };
    EXPECT_EQ(findNext(), "&Find Next");

    load(file("[1031]\nFindReplace.FindNext=&Weitersuchen\nFindReplace.ReplaceTitle=Ersetzen\n"), 1031);
    QApplication::processEvents();
    EXPECT_EQ(findNext(), "&Weitersuchen");
    EXPECT_EQ(window.windowTitle(), "Ersetzen");

    localizer.SetLocale(1033);
    QApplication::processEvents();
    EXPECT_EQ(findNext(), "&Find Next");
}

TEST_F(LocalizerTest, TheEditorsContextMenuFollows)
{
    load(file("[1031]\nContextMenu.Copy=&Kopieren\nContextMenu.Paste=&Einfügen\n"), 1031);
    QTextEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << action->text().section('\t', 0, 0);
    EXPECT_TRUE(texts.contains("&Kopieren")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("&Einfügen")) << texts.join('|').toStdString();
}

TEST_F(LocalizerTest, TheFontDialogAndStandardButtonsFollow)
{
    load(file("[1031]\nFontDialog.Size=&Größe\nFontDialog.Effects=Effekte\nButton.Cancel=Abbrechen\n"), 1031);
    QFontDialog dialog;
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    QStringList texts;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        texts << label->text();
    for (QGroupBox *box : dialog.findChildren<QGroupBox *>())
        texts << box->title();
    EXPECT_TRUE(texts.contains("&Größe")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("Effekte")) << texts.join('|').toStdString();
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
}

TEST_F(LocalizerTest, TheBookmarkAndSymbolDialogsAndTheFileFiltersFollow)
{
    load(file("[1031]\nBookmark.Title=Textmarke\nBookmark.Name=Name der Textmarke:\nSymbol.Title=Symbol einfügen\n"
              "Symbol.Cyrillic=Kyrillisch\nFormat.Rtf=RTF-Format\n"),
         1031);
    ui::FakeDialogs dialogs;
    richedit::RichEditControl control(dialogs);
    richedit::BookmarkDialog bookmarks(control);
    EXPECT_EQ(bookmarks.windowTitle(), "Textmarke");
    QStringList labels;
    for (QLabel *label : bookmarks.findChildren<QLabel *>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("Name der Textmarke:")) << labels.join('|').toStdString();

    richedit::SymbolDialog symbols(QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(symbols.windowTitle(), "Symbol einfügen");
    QStringList blocks;
    for (QComboBox *box : symbols.findChildren<QComboBox *>())
        for (int i = 0; i < box->count(); ++i)
            blocks << box->itemText(i);
    EXPECT_TRUE(blocks.contains("Kyrillisch"));

    // The filter a save dialog returns must still name its format after the switch.
    EXPECT_TRUE(control.saveFilters().contains("RTF-Format (*.rtf)")) << control.saveFilters().join('|').toStdString();
}

TEST_F(LocalizerTest, ThePrintPreviewWindowsControlsFollow)
{
    load(file("[1031]\nPrintPreview.NextPage=Nächste Seite\nPrintPreview.Landscape=Querformat\n"), 1031);
    QPrintPreviewDialog preview;
    QStringList texts;
    for (QAction *action : preview.findChildren<QAction *>())
        texts << action->text();
    EXPECT_TRUE(texts.contains("Nächste Seite")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("Querformat")) << texts.join('|').toStdString();
}

TEST_F(LocalizerTest, TheDestroyedLocalizerStopsTranslating)
{
    {
        localizer::Localizer other;
        other.SetFileName(file("[1031]\nButton.OK=Gut\n"));
        other.SetActive(true);
        other.SetLocale(1031);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), "Gut");
    }
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), "OK");
}

/// A shipped localizer file and the locale it serves.
struct ShippedFile {
    const char *name;
    int localeId;
};

class ShippedLocalizerFileTest : public ::testing::TestWithParam<ShippedFile> {};

TEST_P(ShippedLocalizerFileTest, TranslatesEveryBuiltInText)
{
    const ShippedFile &shipped = GetParam();
    const rtl::MemIniFile ini(QStringLiteral(TAVEL_DATA "/Languages/") + shipped.name);
    const QString section = QString::number(shipped.localeId);
    ASSERT_TRUE(ini.sectionExists(section)) << shipped.name;
    EXPECT_FALSE(ini.sectionExists("1033")) << "English is the built-in text";
    QSet<QString> known;
    for (const localizer::EngineText &text : localizer::englishTexts()) {
        known.insert(text.key.toCaseFolded());
        const std::optional<QString> value = ini.value(section, text.key);
        if (!value || value->isEmpty()) {
            ADD_FAILURE() << shipped.name << ": no text for " << text.key.toStdString();
            continue;
        }
        // Placeholders the engine fills in must survive the translation.
        for (const char *placeholder : {"%1", "%2"}) {
            if (text.english.contains(placeholder)) {
                EXPECT_TRUE(value->contains(placeholder)) << shipped.name << " " << text.key.toStdString();
            }
        }
    }
    for (const QString &key : ini.keys(section))
        EXPECT_TRUE(known.contains(key.toCaseFolded())) << shipped.name << ": unknown key " << key.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLocalizerFileTest,
                         ::testing::Values(ShippedFile{"czech.ini", 1029}, ShippedFile{"deutch.ini", 1031},
                                           ShippedFile{"french.ini", 1036}, ShippedFile{"italian.ini", 1040},
                                           ShippedFile{"polish.ini", 1045}, ShippedFile{"russian.ini", 1049},
                                           ShippedFile{"slovak.ini", 1051}, ShippedFile{"spanish.ini", 1034}),
                         [](const ::testing::TestParamInfo<ShippedFile> &info) {
                             return std::string(info.param.name).substr(0, std::string(info.param.name).find('.'));
                         });

} // namespace
