#pragma once

#include "PageSetupSettings.h"
#include "platform/richedit/model/Units.h"

#include <QDialog>

class QLabel;
class QSpinBox;

namespace richedit {

class LengthSpinBox;

/// The columns dialog: how many equal columns a section has and the spacing between them,
/// the spacing shown and typed in the control's measurement unit.
class ColumnsDialog : public QDialog {
    Q_OBJECT
public:
    ColumnsDialog(const ColumnsSettings &settings, MeasurementUnit unit, QWidget *parent = nullptr);

    ColumnsSettings settings() const;
    void accept() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    ColumnsSettings m_original;
    QSpinBox *m_count;
    LengthSpinBox *m_spacing;
    QLabel *m_countLabel;
    QLabel *m_spacingLabel;
    QLabel *m_widthNote;
};

} // namespace richedit
