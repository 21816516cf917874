#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QDialogButtonBox;

namespace richedit {

/// Asks the password that protects the document (twice, may be empty) or the one that
/// removes the protection (once).
class ProtectionDialog : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Protect, Unprotect };

    explicit ProtectionDialog(Purpose purpose, QWidget *parent = nullptr);

    QString password() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void check();

    Purpose m_purpose;
    QLabel *m_firstLabel;
    QLineEdit *m_first;
    QLabel *m_secondLabel;
    QLineEdit *m_second;
    QLabel *m_mismatch;
    QDialogButtonBox *m_buttons;
};

} // namespace richedit
