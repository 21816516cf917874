#include "Unit1.h"

#include "online/Telemetry.h"
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
#include <QRadioButton>
#include <QToolBar>

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
    : QMainWindow(parent), m_dialogs(dialogs), m_arguments(arguments)
{
    buildLayout();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::attachWindows(TfDatumCas *datumCas, TfNastaveni *nastaveni, Tfoaplikaci *oAplikaci)
{
    m_datumCas = datumCas;
    m_nastaveni = nastaveni;
    m_oAplikaci = oAplikaci;
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

    dxRibbonStatusBar = new QStatusBar(this);
    dxRibbonStatusBar->setObjectName(QStringLiteral("dxRibbonStatusBar"));
    dxRibbonStatusBar->setFixedHeight(33);
    keyboardStatePanel = new ui::KeyboardStatePanel(dxRibbonStatusBar);
    dxRibbonStatusBar->addPermanentWidget(keyboardStatePanel);
    setStatusBar(dxRibbonStatusBar);

    buildActions();
    buildFileCommands();
    connectEditorEvents();
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

void TForm1::buildFileCommands()
{
    ZalozkaSouborSoubor = addToolBar(QStringLiteral("Soubor"));
    ZalozkaSouborSoubor->setObjectName(QStringLiteral("ZalozkaSouborSoubor"));
    ZalozkaSouborSoubor->setMovable(false);
    ZalozkaSouborSoubor->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    const auto button = [this](const char *name, const QString &caption, const char *icon, QKeySequence shortcut,
                               void (TForm1::*handler)()) {
        auto *a = ZalozkaSouborSoubor->addAction(QIcon::fromTheme(QString::fromLatin1(icon)), caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
        return a;
    };
    BSouborNovy = button("BSouborNovy", QStringLiteral("Nový"), "document-new", QKeySequence::New,
                         &TForm1::BSouborNovyClick);
    BSouborOtevrit = button("BSouborOtevrit", QStringLiteral("Otevřít"), "document-open", QKeySequence::Open,
                            &TForm1::acOtevritExecute);
    BSouborUlozit = button("BSouborUlozit", QStringLiteral("Uložit"), "document-save", QKeySequence::Save,
                           &TForm1::BSouborUlozitClick);
    BSouborUlozitJako = button("BSouborUlozitJako", QStringLiteral("Uložit jako"), "document-save-as",
                               QKeySequence(Qt::Key_F12), &TForm1::BSouborUlozitJakoClick);
}

void TForm1::connectEditorEvents()
{
    connect(dxRichEditControl1, &richedit::RichEditControl::DocumentClosing, this,
            &TForm1::dxRichEditControl1DocumentClosing);
    connect(dxRichEditControl1, &richedit::RichEditControl::DocumentLoaded, this,
            &TForm1::dxRichEditControl1DocumentLoaded);
    connect(dxRichEditControl1, &richedit::RichEditControl::ModifiedChanged, this,
            &TForm1::dxRichEditControl1ModifiedChanged);
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
        // The language switch and the dictionary loading of this row join here as they land.
        if (!m_nastaveni->cbVlastniSlovnik->isChecked() && code == QLatin1String("cs"))
            dxRichEditControl1->SetDocumentModelModified(false);
        break;
    }
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
