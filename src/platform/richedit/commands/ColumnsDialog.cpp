#include "ColumnsDialog.h"

#include "LengthSpinBox.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>
#include <QVBoxLayout>

namespace richedit {

ColumnsDialog::ColumnsDialog(const ColumnsSettings &settings, MeasurementUnit unit, QWidget *parent)
    : QDialog(parent), m_original(settings), m_count(new QSpinBox(this)),
      m_spacing(new LengthSpinBox(unit, 0, 22 * twipsPerInch, this)), m_countLabel(new QLabel(this)),
      m_spacingLabel(new QLabel(this)), m_widthNote(new QLabel(this))
{
    setObjectName(QStringLiteral("ColumnsDialog"));
    m_count->setObjectName(QStringLiteral("count"));
    m_count->setRange(1, maximumColumnCount);
    m_count->setValue(settings.count);
    m_spacing->setObjectName(QStringLiteral("spacing"));
    m_spacing->setTwips(settings.spacing);
    m_widthNote->setWordWrap(true);

    auto *form = new QFormLayout;
    form->addRow(m_countLabel, m_count);
    form->addRow(m_spacingLabel, m_spacing);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ColumnsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_widthNote);
    layout->addWidget(buttons);
    retranslate();
}

void ColumnsDialog::retranslate()
{
    setWindowTitle(tr("Columns"));
    m_countLabel->setText(tr("Number of columns:"));
    m_spacingLabel->setText(tr("Spacing:"));
    m_widthNote->setText(tr("All columns have the same width."));
}

void ColumnsDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

ColumnsSettings ColumnsDialog::settings() const
{
    ColumnsSettings result = m_original;
    result.count = m_count->value();
    result.spacing = m_spacing->twips();
    return result;
}

void ColumnsDialog::accept()
{
    if (!columnsFit(settings())) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The columns do not fit between the margins. Choose fewer columns or less spacing."));
        return;
    }
    QDialog::accept();
}

} // namespace richedit
