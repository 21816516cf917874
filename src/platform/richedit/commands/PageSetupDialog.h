#pragma once

#include "PageSetupSettings.h"
#include "platform/richedit/model/Units.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QRadioButton;
class QTabWidget;

namespace richedit {

class LengthSpinBox;

/// The page setup dialog: margins with the header and footer distances and the orientation
/// on one tab, the paper (every known kind or a custom size) on the other, and whether the
/// setup goes to the selected sections or to the whole document. Lengths are shown and typed
/// in the control's measurement unit.
class PageSetupDialog : public QDialog {
    Q_OBJECT
public:
    PageSetupDialog(const PageSetupSettings &settings, MeasurementUnit unit, PageSetupPage page,
                    QWidget *parent = nullptr);

    PageSetupSettings settings() const;

    /// The boxes, for tests that type into them.
    LengthSpinBox *lengthBox(const char *objectName) const;

    void accept() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void paperChosen();
    void sizeTyped();
    void orientationChosen(bool landscape);

    PageSetupSettings m_original;
    QTabWidget *m_tabs;
    LengthSpinBox *m_top, *m_bottom, *m_left, *m_right, *m_header, *m_footer, *m_width, *m_height;
    QRadioButton *m_portrait, *m_landscape;
    QComboBox *m_paper;
    QComboBox *m_applyTo;
    QLabel *m_topLabel, *m_bottomLabel, *m_leftLabel, *m_rightLabel, *m_headerLabel, *m_footerLabel;
    QLabel *m_orientationLabel, *m_paperLabel, *m_widthLabel, *m_heightLabel, *m_applyToLabel;
};

} // namespace richedit
