#pragma once

#include "platform/richedit/formats/DocumentFormat.h"

#include <QAction>
#include <QMainWindow>
#include <QStatusBar>
#include <QStringList>

#include <memory>

namespace richedit {
class EditorCommands;
class QtEditorDialogs;
class RichEditControl;
} // namespace richedit
namespace ribbon {
class Ribbon;
class RibbonGroup;
class RibbonTab;
} // namespace ribbon
namespace commands {
class RibbonBinding;
}
namespace language {
enum class Language;
}
namespace localizer {
class Localizer;
}
namespace spellchecker {
class SpellChecker;
}
namespace ui {
class Dialogs;
class KeyboardStatePanel;
} // namespace ui

namespace shell {
class Shell;
}
namespace mail {
class MailClient;
}
namespace online {
class RichEditSaver;
}
struct MessageTexts;
class TfDatumCas;
class TfNastaveni;
class Tfoaplikaci;
class QLabel;
class QMenu;

/// The editor's ready-made document commands.
struct TActionList1 {
    QAction *acSouborNovyDX = nullptr;
    QAction *acOtevritDX = nullptr;
    QAction *acUlozitDX = nullptr;
    QAction *acUlozitJakoDX = nullptr;
};

/// The main window: the editor between the file commands and the status bar. It owns the
/// start sequence, the document commands with the unsaved-changes question, the window title
/// and the settings file.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    /// Builds the window and runs `FormCreate` with the program's command-line arguments
    /// (the program name first, as QCoreApplication::arguments() gives them).
    TForm1(ui::Dialogs &dialogs, const QStringList &arguments, QWidget *parent = nullptr);
    ~TForm1() override;

    /// The windows the program entry creates after this one.
    void attachWindows(TfDatumCas *datumCas, TfNastaveni *nastaveni, Tfoaplikaci *oAplikaci);
    /// The desktop's shell and mail program, for the help and e-mail commands.
    void attachServices(shell::Shell &shell, mail::MailClient &mail);

    /// True when the command-line open ended the program before it started running.
    bool terminated() const { return m_terminated; }

    richedit::RichEditControl *dxRichEditControl1;
    QStatusBar *dxRibbonStatusBar;
    ui::KeyboardStatePanel *keyboardStatePanel;
    TActionList1 ActionList1;
    ribbon::Ribbon *dxRibbon;
    ribbon::RibbonTab *ZalozkaDomu;
    ribbon::RibbonTab *ZalozkaNavrhTabulky;
    ribbon::RibbonTab *ZalozkaRozlozeniTabulky;
    ribbon::RibbonTab *ZalozkaZahlaviZapati;
    /// The file commands' group on the "Soubor" tab and its four buttons.
    ribbon::RibbonGroup *ZalozkaSouborSoubor;
    QAction *BSouborNovy;
    QAction *BSouborOtevrit;
    QAction *BSouborUlozit;
    QAction *BSouborUlozitJako;
    /// The status bar's first panel, into which nothing is written.
    QLabel *dxRibbonStatusBarTextPanel;
    /// The editor's commands by name, which the ribbon's items run.
    richedit::EditorCommands *editorCommands;
    commands::RibbonBinding *ribbonBinding;

    bool FAskOnClose = false;
    QString CurrentFilePath;
    /// Translates the engine's own texts (its commands, dialogs and menus).
    localizer::Localizer *cxLocalizer1;
    /// The spell checker with its dictionary list; live checking and the spelling command use it.
    spellchecker::SpellChecker *SPPravopis;
    /// The misspelt-word menu named in the checker's options; it holds no items, and the
    /// editor offers its spelling entries in its own context menu instead.
    QMenu *PMPravopis;

    /// The unsaved-changes question; the translation table replaces this Czech default.
    QString SaveChanges = QStringLiteral("Chcete uložit změny v souboru?");
    /// The update check's and the e-mail attachment's messages, set by the translation table.
    QString NovaVerzeBylaNalezena;
    QString PrejeteSiStahnout;
    QString PouzivateNejnovejsiVerzi;
    QString ZadejteNazevSouboru;

    // Start and shutdown.
    void FormCreate();
    void FormShow();
    void FormCloseQuery(bool &CanClose);
    void FormClose();

    // Settings file.
    void NactiINI();
    void UlozINI();

    // Document commands and title.
    void UpdateCaption();
    bool ConfirmSaveChanges();
    void BSouborNovyClick();
    void acOtevritExecute();
    void BSouborUlozitClick();
    void BSouborUlozitJakoClick();
    void dxRichEditControl1DocumentClosing(bool &CanClose);
    void dxRichEditControl1DocumentLoaded();
    void dxRichEditControl1ModifiedChanged();

    // Interface language.
    void LoadTranslations(const QString &Language);
    void PrelozDoAnglictiny();
    void PrelozDoCestiny();
    void PrelozDoNemciny();
    void PrelozDoFrancostiny();
    void PrelozDoItalstiny();
    void PrelozDoPolstiny();
    void PrelozDoSpanelstiny();
    void PrelozDoSlovenctiny();
    void PrelozDoRustiny();
    /// The switch of a language code of the settings file; false when no language has it.
    bool switchLanguageByCode(const QString &code);

    // Spelling dictionaries: each loads one language's dictionary and the user word list.
    void NactiCZslovnik();
    void NactiENslovnik();
    void NactiDEslovnik();
    void NactiFRslovnik();
    void NactiITslovnik();
    void NactiPLslovnik();
    void NactiESslovnik();
    void NactiSKslovnik();
    void NactiRUSlovnik();
    /// Replaces the dictionaries in use with the custom dictionary named in the preferences dialog.
    void NactiVlastniSlovnik();
    /// The dictionary loader of a language code; false when no language has that code.
    bool loadDictionaryByCode(const QString &code);
    /// The live-checking toggle: live checking follows the toggle's state.
    void bZobrazeniPravopisClick(bool down);

    /// The standard page of the editor's measurement unit on the document's first section.
    void nastavitokraje();

    /// The folder the data files are read from, with a trailing separator: the program's
    /// folder unless set otherwise.
    QString programFolder() const { return m_programFolder; }
    void setProgramFolder(const QString &folder);

    // Ribbon.
    void dxRichEditControl1SelectionChanged();
    void ActionList1Update();
    void bZobrazeni1Click();

    /// The program's title, the first part of every window title.
    static QString applicationTitle() { return QStringLiteral("TAVEL Editor"); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    /// Binds the program's own ribbon handlers whose windows and services exist by now.
    void bindProgramHandlers();
    void fillReadyMadeMenus();
    MessageTexts messageTexts() const;
    void buildLayout();
    void buildActions();
    void buildRibbon();
    void buildStatusBar();
    void buildSpellChecker();
    void connectSpellChecker();
    void connectEditorEvents();
    void openCommandLineDocument();
    void takeOverFileName();
    void endProgram(const QString &message);
    void switchLanguage(language::Language language);
    /// Runs a handler under the guard that reports its error.
    bool guarded(const std::function<void()> &handler);

    ui::Dialogs &m_dialogs;
    std::unique_ptr<richedit::QtEditorDialogs> m_editorDialogs;
    shell::Shell *m_shell = nullptr;
    mail::MailClient *m_mail = nullptr;
    std::unique_ptr<online::RichEditSaver> m_documentSaver;
    bool m_readyMadeFilled = false;
    QStringList m_arguments;
    TfDatumCas *m_datumCas = nullptr;
    TfNastaveni *m_nastaveni = nullptr;
    Tfoaplikaci *m_oAplikaci = nullptr;
    QString m_programFolder;
    bool m_shown = false;
    bool m_terminated = false;
};
