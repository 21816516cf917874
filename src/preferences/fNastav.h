#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace richedit {
class RichEditControl;
}
namespace ui {
class Dialogs;
class RadioGroup;
} // namespace ui

/// The preferences dialog: interface language, measurement unit and custom dictionary.
/// Its controls are the live store of those choices for the whole run.
class TfNastaveni : public QDialog {
    Q_OBJECT
public:
    explicit TfNastaveni(richedit::RichEditControl &editor, QWidget *parent = nullptr);

    QTabWidget *pcNastaveni;
    QWidget *tsJazyk;
    QWidget *tbMerneJednotky;
    QWidget *tbPravopis;

    QRadioButton *rbAnglictina;
    QRadioButton *rbCestina;
    QRadioButton *rbNemcina;
    QRadioButton *rbFrancouzstina;
    QRadioButton *rbItalstina;
    QRadioButton *rbPolstina;
    QRadioButton *rbSpanelstina;
    QRadioButton *rbSlovenctina;
    QRadioButton *rbRustina;

    ui::RadioGroup *rgMerneJednotky;

    QCheckBox *cbVlastniSlovnik;
    QLabel *lNahratDic;
    QLineEdit *eCestaKDic;
    QToolButton *bNahratdic;
    QLabel *lNahratAff;
    QLineEdit *eCestaKAff;
    QToolButton *bNahratAff;
    QLabel *lJazyk;
    QComboBox *cbLang;
    QPushButton *bPridatSlovnik;

    QPushButton *bStorno;
    QPushButton *bOK;

    /// Sets the enabled state of the nine custom-dictionary controls from the check box.
    void cbVlastniSlovnikClick();
    /// Enables "Přidat" only when both paths and the language are filled in.
    void KontrolaVyplneni();
    void FormShow();
    /// Applies the unit chosen in `rgMerneJednotky` to the editor and the first section's paper.
    void NastavMerneJednotky();
    /// "OK": applies the unit, stores the choices in the settings file, switches the
    /// language and closes. An error stops it where it happens and the dialog stays open.
    void bOKClick();

    /// "Přidat": loads the custom dictionary now and says so; nothing is stored.
    void bPridatSlovnikClick();
    /// The two picture buttons: pick the custom dictionary's word file or affix file.
    void bNahratdicClick();
    void bNahratAffClick();

    /// The main window's language switch for a language code; set by the main window.
    std::function<void(const QString &code)> switchLanguage;
    /// The main window's dictionary loader for a language code; set by the main window.
    std::function<void(const QString &code)> loadLanguageDictionary;
    /// The main window's custom-dictionary loader, which reads this dialog's fields.
    std::function<void()> NactiVlastniSlovnik;
    /// Message boxes and file dialogs; set by the main window.
    ui::Dialogs *dialogs = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLanguagePage();
    void buildUnitsPage();
    void buildSpellingPage();
    void FormCreate();
    void pickFile(QLineEdit *edit, const QString &filter);
    QList<QWidget *> customDictionaryControls() const;

    richedit::RichEditControl &m_editor;
};
