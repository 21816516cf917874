#pragma once

#include "EditorDialogs.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;

namespace richedit {

/// The paragraph dialog: alignment, indents, spacing before and after, line spacing. Indents
/// are shown in the control's measurement unit, spacing in points.
class ParagraphDialog : public QDialog {
    Q_OBJECT
public:
    ParagraphDialog(const ParagraphSettings &settings, MeasurementUnit unit, QWidget *parent = nullptr);

    ParagraphSettings settings() const;

private:
    QDoubleSpinBox *lengthBox(qreal layoutUnits, bool signedValue);

    MeasurementUnit m_unit;
    QComboBox *m_alignment;
    QDoubleSpinBox *m_left;
    QDoubleSpinBox *m_right;
    QDoubleSpinBox *m_firstLine;
    QDoubleSpinBox *m_before;
    QDoubleSpinBox *m_after;
    QComboBox *m_lineSpacing;
};

} // namespace richedit
