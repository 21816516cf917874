#include "ParagraphDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace richedit {
namespace {

constexpr qreal layoutPerPoint = qreal(layoutDpi) / 72;

QString unitSuffix(MeasurementUnit unit)
{
    switch (unit) {
    case MeasurementUnit::Inch: return QStringLiteral(" in");
    case MeasurementUnit::Millimeter: return QStringLiteral(" mm");
    case MeasurementUnit::Point: return QStringLiteral(" pt");
    case MeasurementUnit::Document:
    case MeasurementUnit::Centimeter: return QStringLiteral(" cm");
    }
    return {};
}

MeasurementUnit shownUnit(MeasurementUnit unit)
{
    return unit == MeasurementUnit::Document ? MeasurementUnit::Centimeter : unit;
}

// Marked for translation in the dialog's own context; tr() looks them up when shown.
const std::pair<Qt::Alignment, const char *> alignments[] = {{Qt::AlignLeft, QT_TRANSLATE_NOOP("richedit::ParagraphDialog", "Left")},
                                                             {Qt::AlignHCenter, QT_TRANSLATE_NOOP("richedit::ParagraphDialog", "Centered")},
                                                             {Qt::AlignRight, QT_TRANSLATE_NOOP("richedit::ParagraphDialog", "Right")},
                                                             {Qt::AlignJustify, QT_TRANSLATE_NOOP("richedit::ParagraphDialog", "Justified")}};
const std::pair<int, const char *> spacings[] = {{100, QT_TRANSLATE_NOOP("richedit::ParagraphDialog", "Single")},
                                                 {150, QT_TRANSLATE_NOOP("richedit::ParagraphDialog", "1.5 lines")},
                                                 {200, QT_TRANSLATE_NOOP("richedit::ParagraphDialog", "Double")}};

} // namespace

ParagraphDialog::ParagraphDialog(const ParagraphSettings &settings, MeasurementUnit unit, QWidget *parent)
    : QDialog(parent), m_unit(shownUnit(unit)), m_alignment(new QComboBox(this)),
      m_left(lengthBox(settings.leftIndent, false)), m_right(lengthBox(settings.rightIndent, false)),
      m_firstLine(lengthBox(settings.firstLineIndent, true)), m_before(new QDoubleSpinBox(this)),
      m_after(new QDoubleSpinBox(this)), m_lineSpacing(new QComboBox(this))
{
    setObjectName(QStringLiteral("ParagraphDialog"));
    setWindowTitle(tr("Paragraph"));
    for (const auto &[alignment, name] : alignments) {
        m_alignment->addItem(tr(name), int(alignment));
        if (alignment == (settings.alignment & Qt::AlignHorizontal_Mask))
            m_alignment->setCurrentIndex(m_alignment->count() - 1);
    }
    for (QDoubleSpinBox *box : {m_before, m_after}) {
        box->setRange(0, 1584);
        box->setSuffix(QStringLiteral(" pt"));
    }
    m_before->setValue(settings.spaceBefore / layoutPerPoint);
    m_after->setValue(settings.spaceAfter / layoutPerPoint);
    for (const auto &[percent, name] : spacings) {
        m_lineSpacing->addItem(tr(name), percent);
        if (percent == settings.lineSpacingPercent)
            m_lineSpacing->setCurrentIndex(m_lineSpacing->count() - 1);
    }
    if (m_lineSpacing->findData(settings.lineSpacingPercent) < 0) {
        m_lineSpacing->addItem(QStringLiteral("%1 %").arg(settings.lineSpacingPercent), settings.lineSpacingPercent);
        m_lineSpacing->setCurrentIndex(m_lineSpacing->count() - 1);
    }

    auto *form = new QFormLayout;
    form->addRow(tr("Alignment:"), m_alignment);
    form->addRow(tr("Left indent:"), m_left);
    form->addRow(tr("Right indent:"), m_right);
    form->addRow(tr("First line:"), m_firstLine);
    form->addRow(tr("Spacing before:"), m_before);
    form->addRow(tr("Spacing after:"), m_after);
    form->addRow(tr("Line spacing:"), m_lineSpacing);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QDoubleSpinBox *ParagraphDialog::lengthBox(qreal layoutUnits, bool signedValue)
{
    auto *box = new QDoubleSpinBox(this);
    const qreal maximum = toUnit(layoutToTwips(22 * layoutDpi), m_unit);
    box->setRange(signedValue ? -maximum : 0, maximum);
    box->setDecimals(m_unit == MeasurementUnit::Millimeter || m_unit == MeasurementUnit::Point ? 1 : 2);
    box->setSuffix(unitSuffix(m_unit));
    box->setValue(toUnit(layoutToTwips(layoutUnits), m_unit));
    return box;
}

ParagraphSettings ParagraphDialog::settings() const
{
    const auto length = [this](const QDoubleSpinBox *box) { return twipsToLayout(fromUnit(box->value(), m_unit)); };
    ParagraphSettings s;
    s.alignment = Qt::Alignment(m_alignment->currentData().toInt());
    s.leftIndent = length(m_left);
    s.rightIndent = length(m_right);
    s.firstLineIndent = length(m_firstLine);
    s.spaceBefore = m_before->value() * layoutPerPoint;
    s.spaceAfter = m_after->value() * layoutPerPoint;
    s.lineSpacingPercent = m_lineSpacing->currentData().toInt();
    return s;
}

} // namespace richedit
