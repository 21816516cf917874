#include "ProtectionDialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace richedit {

ProtectionDialog::ProtectionDialog(Purpose purpose, QWidget *parent)
    : QDialog(parent), m_purpose(purpose), m_firstLabel(new QLabel(this)), m_first(new QLineEdit(this)),
      m_secondLabel(new QLabel(this)), m_second(new QLineEdit(this)), m_mismatch(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    m_first->setEchoMode(QLineEdit::Password);
    m_second->setEchoMode(QLineEdit::Password);
    auto *form = new QFormLayout;
    form->addRow(m_firstLabel, m_first);
    form->addRow(m_secondLabel, m_second);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_mismatch);
    layout->addWidget(m_buttons);
    m_mismatch->setStyleSheet(QStringLiteral("color: #a4262c"));
    if (purpose == Purpose::Unprotect) {
        m_secondLabel->hide();
        m_second->hide();
    }
    connect(m_first, &QLineEdit::textChanged, this, &ProtectionDialog::check);
    connect(m_second, &QLineEdit::textChanged, this, &ProtectionDialog::check);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    retranslate();
    check();
}

QString ProtectionDialog::password() const
{
    return m_first->text();
}

void ProtectionDialog::check()
{
    // The two entries must agree before the document is locked with them.
    const bool match = m_purpose == Purpose::Unprotect || m_first->text() == m_second->text();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(match);
    m_mismatch->setText(match ? QString() : tr("The passwords do not match."));
}

void ProtectionDialog::retranslate()
{
    if (m_purpose == Purpose::Protect) {
        setWindowTitle(tr("Start Enforcing Protection"));
        m_firstLabel->setText(tr("Enter new password (optional):"));
        m_secondLabel->setText(tr("Reenter password to confirm:"));
    } else {
        setWindowTitle(tr("Unprotect Document"));
        m_firstLabel->setText(tr("Password:"));
    }
    check();
}

void ProtectionDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

} // namespace richedit
