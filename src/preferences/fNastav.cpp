#include "fNastav.h"

#include "commands/UnitsAndMargins.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"
#include "platform/spellchecker/Locales.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QRadioButton *languageButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TfNastaveni::TfNastaveni(richedit::RichEditControl &editor, QWidget *parent) : QDialog(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("fNastaveni"));
    setWindowTitle(QStringLiteral("Nastavení"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Segoe UI"), 9));
    setFixedSize(380, 422);

    pcNastaveni = named(new QTabWidget(this), "pcNastaveni");
    buildLanguagePage();
    buildUnitsPage();
    buildSpellingPage();

    bStorno = named(new QPushButton(QStringLiteral("Storno"), this), "bStorno");
    bOK = named(new QPushButton(QStringLiteral("OK"), this), "bOK");
    bOK->setDefault(true);
    connect(bStorno, &QPushButton::clicked, this, &QDialog::reject);
    // OK runs bOKClick through the main window, which reports its errors.

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bStorno);
    buttons->addWidget(bOK);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 8);
    layout->addWidget(pcNastaveni, 1);
    layout->addLayout(buttons);

    connect(cbVlastniSlovnik, &QCheckBox::toggled, this, &TfNastaveni::cbVlastniSlovnikClick);
    connect(eCestaKDic, &QLineEdit::textChanged, this, &TfNastaveni::KontrolaVyplneni);
    connect(eCestaKAff, &QLineEdit::textChanged, this, &TfNastaveni::KontrolaVyplneni);
    connect(cbLang, &QComboBox::currentTextChanged, this, &TfNastaveni::KontrolaVyplneni);
    connect(bNahratdic, &QToolButton::clicked, this, &TfNastaveni::bNahratdicClick);
    connect(bNahratAff, &QToolButton::clicked, this, &TfNastaveni::bNahratAffClick);
    cbVlastniSlovnikClick();
    bPridatSlovnik->setEnabled(false);
    FormCreate();
}

void TfNastaveni::FormCreate()
{
    const spellchecker::LocaleId system = spellchecker::systemLocaleId();
    for (const spellchecker::LocaleLanguage &language : spellchecker::localeLanguages()) {
        cbLang->addItem(language.displayName(), language.id);
        if (language.id == system)
            cbLang->setCurrentIndex(cbLang->count() - 1);
    }
}

void TfNastaveni::buildLanguagePage()
{
    tsJazyk = named(new QWidget, "tsJazyk");
    rbAnglictina = languageButton("rbAnglictina", QStringLiteral("English"), tsJazyk);
    rbFrancouzstina = languageButton("rbFrancouzstina", QStringLiteral("Français"), tsJazyk);
    rbSpanelstina = languageButton("rbSpanelstina", QStringLiteral("Español"), tsJazyk);
    rbCestina = languageButton("rbCestina", QStringLiteral("Čeština"), tsJazyk);
    rbRustina = languageButton("rbRustina", QStringLiteral("Русский"), tsJazyk);
    rbItalstina = languageButton("rbItalstina", QStringLiteral("Italiano"), tsJazyk);
    rbNemcina = languageButton("rbNemcina", QStringLiteral("Deutsch"), tsJazyk);
    rbPolstina = languageButton("rbPolstina", QStringLiteral("Polski"), tsJazyk);
    rbSlovenctina = languageButton("rbSlovenctina", QStringLiteral("Slovenčina"), tsJazyk);
    rbAnglictina->setChecked(true);

    auto *grid = new QGridLayout(tsJazyk);
    const QList<QRadioButton *> left{rbAnglictina, rbFrancouzstina, rbSpanelstina, rbCestina, rbRustina};
    const QList<QRadioButton *> right{rbItalstina, rbNemcina, rbPolstina, rbSlovenctina};
    for (int row = 0; row < left.size(); ++row)
        grid->addWidget(left[row], row, 0);
    for (int row = 0; row < right.size(); ++row)
        grid->addWidget(right[row], row, 1);
    grid->setRowStretch(static_cast<int>(left.size()), 1);

    const QList<QWidget *> tabOrder{rbAnglictina, rbCestina,   rbNemcina,     rbFrancouzstina, rbSpanelstina,
                                    rbItalstina,  rbPolstina, rbSlovenctina, rbRustina};
    for (int i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    pcNastaveni->addTab(tsJazyk, QStringLiteral("Jazyk (Language)"));
}

void TfNastaveni::buildUnitsPage()
{
    tbMerneJednotky = named(new QWidget, "tbMerneJednotky");
    rgMerneJednotky = named(new ui::RadioGroup(QStringLiteral("Měrné jednotky"),
                                               {QStringLiteral("Centimetry"), QStringLiteral("Milimetry"),
                                                QStringLiteral("Palce")},
                                               tbMerneJednotky),
                            "rgMerneJednotky");
    auto *layout = new QVBoxLayout(tbMerneJednotky);
    layout->addWidget(rgMerneJednotky);
    layout->addStretch();
    pcNastaveni->addTab(tbMerneJednotky, QStringLiteral("Měrné jednotky"));
}

void TfNastaveni::buildSpellingPage()
{
    tbPravopis = named(new QWidget, "tbPravopis");
    auto *box = new QGroupBox(tbPravopis);
    const QIcon folder = style()->standardIcon(QStyle::SP_DirOpenIcon);

    cbVlastniSlovnik = named(new QCheckBox(QStringLiteral("Vlastní slovník"), box), "cbVlastniSlovnik");
    lNahratDic = named(new QLabel(QStringLiteral("Nahrát vlastní slovník (*.dic)"), box), "lNahratDic");
    eCestaKDic = named(new QLineEdit(box), "eCestaKDic");
    bNahratdic = named(new QToolButton(box), "bNahratdic");
    lNahratAff = named(new QLabel(QStringLiteral("Nahrát vlastní slovník (*.aff)"), box), "lNahratAff");
    eCestaKAff = named(new QLineEdit(box), "eCestaKAff");
    bNahratAff = named(new QToolButton(box), "bNahratAff");
    lJazyk = named(new QLabel(QStringLiteral("Jazyk"), box), "lJazyk");
    cbLang = named(new QComboBox(box), "cbLang");
    bPridatSlovnik = named(new QPushButton(QStringLiteral("Přidat"), box), "bPridatSlovnik");

    for (QLineEdit *edit : {eCestaKDic, eCestaKAff})
        edit->setReadOnly(true);
    for (QToolButton *button : {bNahratdic, bNahratAff}) {
        button->setIcon(folder);
        button->setIconSize(QSize(16, 16));
    }
    cbLang->setEditable(false);

    auto *layout = new QGridLayout(box);
    layout->addWidget(cbVlastniSlovnik, 0, 0, 1, 2);
    layout->addWidget(lNahratDic, 1, 0, 1, 2);
    layout->addWidget(eCestaKDic, 2, 0);
    layout->addWidget(bNahratdic, 2, 1);
    layout->addWidget(lNahratAff, 3, 0, 1, 2);
    layout->addWidget(eCestaKAff, 4, 0);
    layout->addWidget(bNahratAff, 4, 1);
    layout->addWidget(lJazyk, 5, 0, 1, 2);
    layout->addWidget(cbLang, 6, 0, 1, 2);
    layout->addWidget(bPridatSlovnik, 7, 0, Qt::AlignLeft);
    layout->setRowStretch(8, 1);

    auto *page = new QVBoxLayout(tbPravopis);
    page->addWidget(box);
    pcNastaveni->addTab(tbPravopis, QStringLiteral("Kontrola pravopisu"));
}

QList<QWidget *> TfNastaveni::customDictionaryControls() const
{
    return {lNahratDic, eCestaKDic, bNahratdic, lNahratAff, eCestaKAff, bNahratAff, lJazyk, cbLang, bPridatSlovnik};
}

void TfNastaveni::cbVlastniSlovnikClick()
{
    for (QWidget *control : customDictionaryControls())
        control->setEnabled(cbVlastniSlovnik->isChecked());
}

void TfNastaveni::pickFile(QLineEdit *edit, const QString &filter)
{
    if (!dialogs)
        return;
    const std::optional<ui::FileChoice> choice =
        dialogs->openFile(QString(), {filter}, filter);
    if (choice)
        edit->setText(QFileInfo(choice->path).absoluteFilePath());
}

void TfNastaveni::bNahratdicClick()
{
    pickFile(eCestaKDic, QStringLiteral("Files (*.dic)"));
}

void TfNastaveni::bNahratAffClick()
{
    pickFile(eCestaKAff, QStringLiteral("Files (*.aff)"));
}

void TfNastaveni::bPridatSlovnikClick()
{
    if (NactiVlastniSlovnik)
        NactiVlastniSlovnik();
    if (dialogs)
        dialogs->message(QStringLiteral("Slovník byl přidán"));
}

void TfNastaveni::KontrolaVyplneni()
{
    const auto filled = [](const QString &text) { return !text.trimmed().isEmpty(); };
    bPridatSlovnik->setEnabled(filled(eCestaKDic->text()) && filled(eCestaKAff->text()) && filled(cbLang->currentText()));
}

void TfNastaveni::FormShow()
{
    switch (m_editor.MeasurementUnit()) {
    case richedit::MeasurementUnit::Inch: rgMerneJednotky->setItemIndex(2); break;
    case richedit::MeasurementUnit::Millimeter: rgMerneJednotky->setItemIndex(1); break;
    case richedit::MeasurementUnit::Centimeter: rgMerneJednotky->setItemIndex(0); break;
    default: break;
    }
    cbVlastniSlovnikClick();
}

void TfNastaveni::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TfNastaveni::NastavMerneJednotky()
{
    commands::applyUnitItem(m_editor, rgMerneJednotky->itemIndex());
}

void TfNastaveni::bOKClick()
{
    NastavMerneJednotky();

    const std::pair<QRadioButton *, const char *> languages[] = {
        {rbAnglictina, "en"}, {rbCestina, "cs"},   {rbNemcina, "de"},     {rbFrancouzstina, "fr"}, {rbItalstina, "it"},
        {rbPolstina, "pl"},   {rbSpanelstina, "es"}, {rbSlovenctina, "sk"}, {rbRustina, "ru"},
    };
    QString code;
    for (const auto &[button, languageCode] : languages) {
        if (button->isChecked()) {
            code = QString::fromLatin1(languageCode);
            break;
        }
    }

    QDir().mkpath(rtl::settingsFolder());
    rtl::IniFile ini(rtl::settingsFilePath());
    const QString section = QStringLiteral("Settings");
    ini.writeString(section, QStringLiteral("Language"), code);
    ini.writeString(section, QStringLiteral("SelectedRadio"), code);
    ini.writeBool(section, QStringLiteral("VlastniSlovnik"), cbVlastniSlovnik->isChecked());
    ini.writeString(section, QStringLiteral("CestaDic"), eCestaKDic->text());
    ini.writeString(section, QStringLiteral("CestaAff"), eCestaKAff->text());
    ini.writeString(section, QStringLiteral("VlastniSlovnikJazyk"), cbLang->currentText());

    if (!code.isEmpty() && switchLanguage)
        switchLanguage(code);
    if (!code.isEmpty() && !cbVlastniSlovnik->isChecked() && loadLanguageDictionary)
        loadLanguageDictionary(code);
    accept();
}
