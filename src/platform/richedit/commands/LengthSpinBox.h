#pragma once

#include "platform/richedit/model/Units.h"

#include <QDoubleSpinBox>

namespace richedit {

/// A length typed in a measurement unit and kept in twips. A value the user leaves as it was
/// shown gives back the exact twips it was set with, so opening a dialog and pressing OK never
/// moves a length by the rounding of its display.
class LengthSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    LengthSpinBox(MeasurementUnit unit, int minimumTwips, int maximumTwips, QWidget *parent = nullptr);

    void setTwips(int twips);
    int twips() const;

    /// Decimals and suffix of a unit as length boxes show them.
    static int decimalsFor(MeasurementUnit unit);
    static QString suffixFor(MeasurementUnit unit);

private:
    MeasurementUnit m_unit;
    int m_twips = 0;
    double m_shown = 0;
};

} // namespace richedit
