#pragma once

#include <QLabel>
#include <QWidget>

namespace ui {

/// The status bar's keyboard panel: "CAPS", "NUM", "SCRL" and "INS" or "OVR". A lock that is
/// off is shown greyed. Lock states are read from the X server where there is one.
class KeyboardStatePanel : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardStatePanel(QWidget *parent = nullptr);

    void setOverwrite(bool overwrite);
    /// Reads the lock keys again (after a key press).
    void refreshLocks();

    QString text() const; // e.g. "CAPS NUM SCRL INS", for tests and accessibility

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_caps;
    QLabel *m_num;
    QLabel *m_scroll;
    QLabel *m_insert;
};

} // namespace ui
