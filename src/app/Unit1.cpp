#include "Unit1.h"

#include "PrintComponent.h"
#include "commands/RibbonBinding.h"
#include "language/CommandTexts.h"
#include "online/DocumentSaver.h"
#include "online/Telemetry.h"
#include "platform/localizer/Localizer.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/richedit/commands/EditorCommands.h"
#include "platform/richedit/commands/QtEditorDialogs.h"
#include "platform/richedit/commands/SelectionInfo.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/HandlerGuard.h"
#include "platform/ui/KeyboardStatePanel.h"
#include "preferences/fNastav.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QLabel>
#include <QTextCursor>

#include <array>

namespace {

constexpr QSize designClientSize(1226, 745);

/// One row of the start sequence's language table.
struct StartLanguage {
    const char *code;
    QRadioButton *TfNastaveni::*radioButton;
};

constexpr std::array startLanguages{
    StartLanguage{"en", &TfNastaveni::rbAnglictina},    StartLanguage{"cs", &TfNastaveni::rbCestina},
    StartLanguage{"de", &TfNastaveni::rbNemcina},       StartLanguage{"fr", &TfNastaveni::rbFrancouzstina},
    StartLanguage{"it", &TfNastaveni::rbItalstina},     StartLanguage{"pl", &TfNastaveni::rbPolstina},
    StartLanguage{"es", &TfNastaveni::rbSpanelstina},   StartLanguage{"sk", &TfNastaveni::rbSlovenctina},
    StartLanguage{"ru", &TfNastaveni::rbRustina},
};

} // namespace

TForm1::TForm1(ui::Dialogs &dialogs, const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_arguments(arguments), m_programFolder(rtl::programFolder())
{
    buildLayout();
    FormCreate();
}

TForm1::~TForm1()
{
    // The commands work on the editor, which goes with the other child widgets.
    delete ribbonBinding;
    delete editorCommands;
}

void TForm1::attachWindows(TfDatumCas *datumCas, TfNastaveni *nastaveni, Tfoaplikaci *oAplikaci)
{
    const bool newPreferences = nastaveni && nastaveni != m_nastaveni;
    m_datumCas = datumCas;
    m_nastaveni = nastaveni;
    m_oAplikaci = oAplikaci;
    if (newPreferences) {
        nastaveni->switchLanguage = [this](const QString &code) { switchLanguageByCode(code); };
        nastaveni->loadLanguageDictionary = [this](const QString &code) { loadDictionaryByCode(code); };
        nastaveni->NactiVlastniSlovnik = [this] { NactiVlastniSlovnik(); };
        nastaveni->dialogs = &m_dialogs;
        connect(nastaveni->bPridatSlovnik, &QPushButton::clicked, this, [this, nastaveni] {
            guarded([nastaveni] { nastaveni->bPridatSlovnikClick(); });
        });
        connect(nastaveni->bOK, &QPushButton::clicked, this, [this, nastaveni] {
            // An error keeps the dialog open with what was done so far.
            guarded([nastaveni] { nastaveni->bOKClick(); });
        });
    }
    bindProgramHandlers();
}

bool TForm1::guarded(const std::function<void()> &handler)
{
    return ui::guarded(m_dialogs, handler);
}

void TForm1::buildLayout()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitle());
    setFont(QFont(QStringLiteral("Segoe UI"), 9));
    resize(designClientSize);
    setWindowState(Qt::WindowMaximized);

    dxRichEditControl1 = new richedit::RichEditControl(m_dialogs, this);
    dxRichEditControl1->setObjectName(QStringLiteral("dxRichEditControl1"));
    setCentralWidget(dxRichEditControl1);

    buildStatusBar();
    buildActions();
    buildRibbon();
    connectEditorEvents();
    cxLocalizer1 = new localizer::Localizer(this);
    cxLocalizer1->setObjectName(QStringLiteral("cxLocalizer1"));
    connect(cxLocalizer1, &localizer::Localizer::textsChanged, this,
            [this] { language::applyCommandTexts(*dxRibbon, *cxLocalizer1); });
    dxRichEditControl1->setFocus();
}

void TForm1::buildActions()
{
    const auto action = [this](const char *name, auto execute) {
        auto *a = new QAction(this);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, execute] { guarded([this, execute] { execute(this); }); });
        return a;
    };
    ActionList1.acSouborNovyDX = action("acSouborNovyDX", [](TForm1 *f) { f->dxRichEditControl1->newDocument(); });
    ActionList1.acOtevritDX =
        action("acOtevritDX", [](TForm1 *f) { f->dxRichEditControl1->loadDocumentWithDialog(); });
    ActionList1.acUlozitDX = action("acUlozitDX", [](TForm1 *f) { f->dxRichEditControl1->saveDocument(); });
    ActionList1.acUlozitJakoDX =
        action("acUlozitJakoDX", [](TForm1 *f) { f->dxRichEditControl1->saveDocumentAs(); });
}

void TForm1::buildStatusBar()
{
    dxRibbonStatusBar = new QStatusBar(this);
    dxRibbonStatusBar->setObjectName(QStringLiteral("dxRibbonStatusBar"));
    dxRibbonStatusBar->setFixedHeight(33);
    dxRibbonStatusBar->setFont(QFont(QStringLiteral("Tahoma"), 8));
    dxRibbonStatusBar->setSizeGripEnabled(false);

    dxRibbonStatusBarTextPanel = new QLabel(dxRibbonStatusBar);
    dxRibbonStatusBarTextPanel->setObjectName(QStringLiteral("dxRibbonStatusBarPanel1"));
    dxRibbonStatusBarTextPanel->setFixedWidth(100);
    dxRibbonStatusBarTextPanel->setFont(QFont(QStringLiteral("Tahoma"), 8));
    dxRibbonStatusBarTextPanel->setStyleSheet(QStringLiteral("color: red;"));
    dxRibbonStatusBar->addWidget(dxRibbonStatusBarTextPanel);

    // Four toolbar panels that carry no toolbar: the second may grow, the others keep their width.
    struct EmptyPanel {
        int width;
        int stretch;
        bool rightToLeft;
    };
    constexpr EmptyPanel emptyPanels[] = {{50, 1, false}, {50, 0, true}, {50, 0, false}, {50, 0, true}};
    int number = 2;
    for (const EmptyPanel &panel : emptyPanels) {
        auto *widget = new QWidget(dxRibbonStatusBar);
        widget->setObjectName(QStringLiteral("dxRibbonStatusBarPanel%1").arg(number++));
        widget->setMinimumWidth(panel.width);
        if (panel.stretch == 0)
            widget->setFixedWidth(panel.width);
        widget->setLayoutDirection(panel.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        dxRibbonStatusBar->addWidget(widget, panel.stretch);
    }

    keyboardStatePanel = new ui::KeyboardStatePanel(dxRibbonStatusBar);
    keyboardStatePanel->setObjectName(QStringLiteral("dxRibbonStatusBarPanel6"));
    // Right-to-left here means anchored at the right edge; the captions keep their reading
    // order CAPS, NUM, SCRL, INS.
    dxRibbonStatusBar->addPermanentWidget(keyboardStatePanel);
    setStatusBar(dxRibbonStatusBar);
}

void TForm1::buildRibbon()
{
    dxRibbon = new ribbon::Ribbon(this);
    setMenuWidget(dxRibbon);
    m_editorDialogs = std::make_unique<richedit::QtEditorDialogs>(this);
    m_editorDialogs->setPrintPreviewCaption(dxComponentPrinter().previewCaption);
    editorCommands = new richedit::EditorCommands(*dxRichEditControl1, *m_editorDialogs, this);
    buildSpellChecker();
    connectSpellChecker();

    const auto own = [this](void (TForm1::*handler)()) {
        return [this, handler](ribbon::RibbonItem *) { (this->*handler)(); };
    };
    const commands::RibbonHandlers handlers{
        {QStringLiteral("BSouborNovyClick"), own(&TForm1::BSouborNovyClick)},
        {QStringLiteral("acOtevritExecute"), own(&TForm1::acOtevritExecute)},
        {QStringLiteral("BSouborUlozitClick"), own(&TForm1::BSouborUlozitClick)},
        {QStringLiteral("BSouborUlozitJakoClick"), own(&TForm1::BSouborUlozitJakoClick)},
        {QStringLiteral("bZobrazeni1Click"), own(&TForm1::bZobrazeni1Click)},
        {QStringLiteral("bZobrazeniPravopisClick"),
         [this](ribbon::RibbonItem *item) { bZobrazeniPravopisClick(item && item->isChecked()); }},
    };
    ribbonBinding = new commands::RibbonBinding(*dxRibbon, *editorCommands, m_dialogs, handlers, this);

    ZalozkaDomu = dxRibbon->tab(QStringLiteral("ZalozkaDomu"));
    ZalozkaNavrhTabulky = dxRibbon->tab(QStringLiteral("ZalozkaNavrhTabulky"));
    ZalozkaRozlozeniTabulky = dxRibbon->tab(QStringLiteral("ZalozkaRozlozeniTabulky"));
    ZalozkaZahlaviZapati = dxRibbon->tab(QStringLiteral("ZalozkaZahlaviZapati"));
    ZalozkaSouborSoubor = dxRibbon->group(QStringLiteral("ZalozkaSouborSoubor"));
    BSouborNovy = dxRibbon->item(QStringLiteral("BSouborNovy"));
    BSouborOtevrit = dxRibbon->item(QStringLiteral("BSouborOtevrit"));
    BSouborUlozit = dxRibbon->item(QStringLiteral("BSouborUlozit"));
    BSouborUlozitJako = dxRibbon->item(QStringLiteral("BSouborUlozitJako"));
    ZalozkaDomu->setActive();
    connect(ribbonBinding, &commands::RibbonBinding::statesUpdated, this, &TForm1::ActionList1Update);
    ActionList1Update();

    // The editor's own keyboard commands for the documents.
    const auto key = [this](QKeySequence shortcut, void (TForm1::*handler)()) {
        auto *a = new QAction(this);
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        connect(a, &QAction::triggered, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    key(QKeySequence::New, &TForm1::BSouborNovyClick);
    key(QKeySequence::Open, &TForm1::acOtevritExecute);
    key(QKeySequence::Save, &TForm1::BSouborUlozitClick);
    key(QKeySequence(Qt::Key_F12), &TForm1::BSouborUlozitJakoClick);
}

void TForm1::dxRichEditControl1SelectionChanged()
{
    if (richedit::IsSelectionInHeaderOrFooter(*dxRichEditControl1))
        ZalozkaZahlaviZapati->setActive();
    else
        ZalozkaZahlaviZapati->setTabVisible(false);
    const bool inTable = richedit::IsSelectionInTable(*dxRichEditControl1);
    ZalozkaNavrhTabulky->setTabVisible(inTable);
    ZalozkaRozlozeniTabulky->setTabVisible(inTable);
    const QTextCursor selection = dxRichEditControl1->textCursor();
    ribbon::RibbonItem *clearFormat = dxRibbon->item(QStringLiteral("bDomuPismoSmazatFormat"));
    // Without its handler the item stays disabled rather than do nothing.
    clearFormat->setEnabled(selection.selectionEnd() - selection.selectionStart() > 0
                            && ribbonBinding->isBound(clearFormat));
}

void TForm1::ActionList1Update()
{
    const bool canPaste = dxRibbon->item(QStringLiteral("bVlozit"))->isEnabled();
    // A variant whose handler is not there yet stays disabled rather than do nothing.
    for (const char *name : {"bDomuSchrankaVlozitJakoObrazek", "bSouborSchrankaJakoProstyText"}) {
        ribbon::RibbonItem *variant = dxRibbon->item(QString::fromLatin1(name));
        variant->setEnabled(canPaste && ribbonBinding->isBound(variant));
    }
}

void TForm1::bZobrazeni1Click()
{
    dxRichEditControl1->setZoomFactor(1.0);
}

void TForm1::connectEditorEvents()
{
    connect(dxRichEditControl1, &richedit::RichEditControl::DocumentClosing, this,
            &TForm1::dxRichEditControl1DocumentClosing);
    connect(dxRichEditControl1, &richedit::RichEditControl::DocumentLoaded, this,
            &TForm1::dxRichEditControl1DocumentLoaded);
    connect(dxRichEditControl1, &richedit::RichEditControl::ModifiedChanged, this,
            &TForm1::dxRichEditControl1ModifiedChanged);
    connect(dxRichEditControl1, &richedit::RichEditControl::SelectionChanged, this,
            [this] { guarded([this] { dxRichEditControl1SelectionChanged(); }); });
    connect(dxRichEditControl1, &richedit::RichEditControl::overwriteModeChanged, keyboardStatePanel,
            &ui::KeyboardStatePanel::setOverwrite);
}

void TForm1::FormCreate()
{
    FAskOnClose = true;
    NactiINI();
    online::SendTelemetryAsync();
    openCommandLineDocument();
}

void TForm1::FormShow()
{
    const rtl::IniFile ini(rtl::settingsFilePath());
    QDir().mkpath(rtl::settingsFolder());
    const QString code = ini.readString(QStringLiteral("Settings"), QStringLiteral("SelectedRadio"), QString());
    m_nastaveni->cbVlastniSlovnik->setChecked(
        ini.readBool(QStringLiteral("Settings"), QStringLiteral("VlastniSlovnik"), false));
    m_nastaveni->eCestaKDic->setText(ini.readString(QStringLiteral("Settings"), QStringLiteral("CestaDic"), QString()));
    m_nastaveni->eCestaKAff->setText(ini.readString(QStringLiteral("Settings"), QStringLiteral("CestaAff"), QString()));
    m_nastaveni->cbLang->setCurrentText(
        ini.readString(QStringLiteral("Settings"), QStringLiteral("VlastniSlovnikJazyk"), QString()));

    for (const StartLanguage &row : startLanguages) {
        if (code != QLatin1String(row.code))
            continue;
        (m_nastaveni->*row.radioButton)->setChecked(true);
        switchLanguageByCode(code);
        if (m_nastaveni->cbVlastniSlovnik->isChecked()) {
            NactiVlastniSlovnik();
        } else {
            loadDictionaryByCode(code);
            if (code == QLatin1String("cs"))
                dxRichEditControl1->SetDocumentModelModified(false);
        }
        break;
    }

    nastavitokraje();
    ZalozkaDomu->setActive();
    ZalozkaNavrhTabulky->setTabVisible(false);
    ZalozkaRozlozeniTabulky->setTabVisible(false);
    ZalozkaZahlaviZapati->setTabVisible(false);
}

void TForm1::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        guarded([this] { FormShow(); });
    }
    QMainWindow::showEvent(event);
}

void TForm1::FormCloseQuery(bool &CanClose)
{
    if (!dxRichEditControl1->DocumentModelModified())
        return;
    CanClose = ConfirmSaveChanges();
}

void TForm1::FormClose()
{
    UlozINI();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    if (!guarded([&] { FormCloseQuery(canClose); }) || !canClose) {
        event->ignore();
        return;
    }
    // A settings file that cannot be written keeps the window open.
    if (!guarded([this] { FormClose(); })) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}
