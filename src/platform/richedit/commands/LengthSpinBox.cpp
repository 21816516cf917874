#include "LengthSpinBox.h"

#include <cmath>

namespace richedit {

LengthSpinBox::LengthSpinBox(MeasurementUnit unit, int minimumTwips, int maximumTwips, QWidget *parent)
    : QDoubleSpinBox(parent), m_unit(unit)
{
    setDecimals(decimalsFor(unit));
    setSuffix(suffixFor(unit));
    setRange(toUnit(minimumTwips, unit), toUnit(maximumTwips, unit));
    setSingleStep(unit == MeasurementUnit::Inch ? 0.1 : unit == MeasurementUnit::Centimeter ? 0.1 : 1);
    setAccelerated(true);
}

void LengthSpinBox::setTwips(int twips)
{
    setValue(toUnit(twips, m_unit));
    m_twips = twips;
    m_shown = value();
}

int LengthSpinBox::twips() const
{
    const double halfStep = 0.5 * std::pow(10.0, -decimals());
    if (std::abs(value() - m_shown) < halfStep)
        return m_twips;
    return fromUnit(value(), m_unit);
}

int LengthSpinBox::decimalsFor(MeasurementUnit unit)
{
    switch (unit) {
    case MeasurementUnit::Inch:
    case MeasurementUnit::Centimeter: return 2;
    case MeasurementUnit::Millimeter:
    case MeasurementUnit::Point: return 1;
    case MeasurementUnit::Document: return 0;
    }
    return 2;
}

QString LengthSpinBox::suffixFor(MeasurementUnit unit)
{
    switch (unit) {
    case MeasurementUnit::Inch: return QStringLiteral(" in");
    case MeasurementUnit::Centimeter: return QStringLiteral(" cm");
    case MeasurementUnit::Millimeter: return QStringLiteral(" mm");
    case MeasurementUnit::Point: return QStringLiteral(" pt");
    case MeasurementUnit::Document: return QString();
    }
    return {};
}

} // namespace richedit
