#pragma once

#include "platform/richedit/model/Section.h"
#include "platform/richedit/model/Units.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace richedit {

class LengthSpinBox;

/// The line numbers dialog: whether the lines of a section are numbered, the first number,
/// which lines show it, the distance from the text (0 for automatic) and where numbering
/// starts again.
class LineNumberingDialog : public QDialog {
    Q_OBJECT
public:
    LineNumberingDialog(const LineNumbering &settings, MeasurementUnit unit, QWidget *parent = nullptr);

    LineNumbering settings() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void updateEnabled();

    QCheckBox *m_enabled;
    QSpinBox *m_start;
    QSpinBox *m_countBy;
    LengthSpinBox *m_distance;
    QComboBox *m_restart;
    QLabel *m_startLabel, *m_countByLabel, *m_distanceLabel, *m_restartLabel;
};

} // namespace richedit
