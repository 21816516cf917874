#pragma once

#include <QtGlobal>

namespace richedit {

/// The unit in which the control reads and sets lengths (margins, indents, page sizes).
/// `Document` is the engine's own unit of 1/300 inch.
enum class MeasurementUnit { Document, Inch, Millimeter, Centimeter, Point };

/// Lengths in the model are twips (1/1440 inch); layout works in 96 units per inch.
constexpr int twipsPerInch = 1440;
constexpr int layoutDpi = 96;

constexpr qreal twipsToLayout(qreal twips) { return twips * layoutDpi / twipsPerInch; }
constexpr qreal layoutToTwips(qreal units) { return units * twipsPerInch / layoutDpi; }

/// How many twips one of `unit` is.
constexpr qreal twipsPerUnit(MeasurementUnit unit)
{
    switch (unit) {
    case MeasurementUnit::Document: return twipsPerInch / 300.0;
    case MeasurementUnit::Inch: return twipsPerInch;
    case MeasurementUnit::Millimeter: return twipsPerInch / 25.4;
    case MeasurementUnit::Centimeter: return twipsPerInch / 2.54;
    case MeasurementUnit::Point: return 20.0;
    }
    return 1.0;
}

constexpr qreal toUnit(qreal twips, MeasurementUnit unit) { return twips / twipsPerUnit(unit); }
constexpr int fromUnit(qreal value, MeasurementUnit unit) { return qRound(value * twipsPerUnit(unit)); }

} // namespace richedit
