#include "LineNumberingDialog.h"

#include "LengthSpinBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace richedit {
namespace {

// The order of the restart box's items.
constexpr LineNumbering::Restart restarts[] = {LineNumbering::EachPage, LineNumbering::EachSection,
                                               LineNumbering::Continuous};

} // namespace

LineNumberingDialog::LineNumberingDialog(const LineNumbering &settings, MeasurementUnit unit, QWidget *parent)
    : QDialog(parent), m_enabled(new QCheckBox(this)), m_start(new QSpinBox(this)), m_countBy(new QSpinBox(this)),
      m_distance(new LengthSpinBox(unit, 0, 22 * twipsPerInch, this)), m_restart(new QComboBox(this)),
      m_startLabel(new QLabel(this)), m_countByLabel(new QLabel(this)), m_distanceLabel(new QLabel(this)),
      m_restartLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("LineNumberingDialog"));
    m_enabled->setObjectName(QStringLiteral("enabled"));
    m_enabled->setChecked(settings.countBy > 0);
    m_start->setObjectName(QStringLiteral("start"));
    m_start->setRange(1, 32767);
    m_start->setValue(settings.start);
    m_countBy->setObjectName(QStringLiteral("countBy"));
    m_countBy->setRange(1, 100);
    m_countBy->setValue(std::max(1, settings.countBy));
    m_distance->setObjectName(QStringLiteral("distance"));
    m_distance->setTwips(settings.distance);
    m_restart->setObjectName(QStringLiteral("restart"));
    m_restart->addItems({QString(), QString(), QString()});
    for (int i = 0; i < 3; ++i)
        if (restarts[i] == settings.restart)
            m_restart->setCurrentIndex(i);

    auto *form = new QFormLayout;
    form->addRow(m_enabled);
    form->addRow(m_startLabel, m_start);
    form->addRow(m_countByLabel, m_countBy);
    form->addRow(m_distanceLabel, m_distance);
    form->addRow(m_restartLabel, m_restart);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_enabled, &QCheckBox::toggled, this, &LineNumberingDialog::updateEnabled);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    retranslate();
    updateEnabled();
}

void LineNumberingDialog::retranslate()
{
    setWindowTitle(tr("Line Numbers"));
    m_enabled->setText(tr("Add line numbering"));
    m_startLabel->setText(tr("Start at:"));
    m_countByLabel->setText(tr("Count by:"));
    m_distanceLabel->setText(tr("From text:"));
    m_distance->setSpecialValueText(tr("Auto"));
    m_restartLabel->setText(tr("Numbering:"));
    m_restart->setItemText(0, tr("Restart each page"));
    m_restart->setItemText(1, tr("Restart each section"));
    m_restart->setItemText(2, tr("Continuous"));
}

void LineNumberingDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void LineNumberingDialog::updateEnabled()
{
    for (QWidget *widget : std::initializer_list<QWidget *>{m_start, m_countBy, m_distance, m_restart, m_startLabel,
                                                            m_countByLabel, m_distanceLabel, m_restartLabel})
        widget->setEnabled(m_enabled->isChecked());
}

LineNumbering LineNumberingDialog::settings() const
{
    LineNumbering result;
    result.countBy = m_enabled->isChecked() ? m_countBy->value() : 0;
    result.start = m_start->value();
    result.distance = m_distance->twips();
    result.restart = restarts[std::max(0, m_restart->currentIndex())];
    return result;
}

} // namespace richedit
