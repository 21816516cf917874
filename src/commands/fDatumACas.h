#pragma once

#include "Clock.h"

#include <QDialog>

#include <array>

class QListWidget;
class QPushButton;

namespace richedit {
class RichEditControl;
}

/// The date-and-time dialog, created once at start and shown modally by "Datum a čas": the
/// current date and time in thirteen patterns, one of which the user inserts at the editor's
/// caret. The lines are formatted afresh each time the dialog is shown.
class TfDatumCas : public QDialog {
    Q_OBJECT
public:
    explicit TfDatumCas(QWidget *parent = nullptr, commands::Clock clock = commands::systemClock);

    /// The patterns of the thirteen lines, in list order.
    static const std::array<const char *, 13> &patterns();

    /// The main window's editor, into which "Ok" inserts; until it is set "Ok" inserts nothing.
    void setEditor(richedit::RichEditControl *editor) { m_editor = editor; }

    QListWidget *lbCas;
    QPushButton *bVlozit;
    QPushButton *bStorno;

    /// Fills the list; runs once, from the constructor.
    void FormCreate();
    /// "Ok": inserts the selected line at the editor's caret (nothing when no line is
    /// selected), closes the dialog and gives the editor the keyboard focus.
    void bVlozitClick();
    /// "Storno": closes without inserting.
    void bStornoClick();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildLayout();
    void placeControls();
    void refreshLines();
    void centreOnMainWindow();

    commands::Clock m_clock;
    richedit::RichEditControl *m_editor = nullptr;
};
