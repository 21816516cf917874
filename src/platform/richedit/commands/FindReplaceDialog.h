#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace richedit {

struct CommandSession;
class RichEditControl;

/// The find and replace window. It stays open beside the editor, searches from the caret,
/// wraps round once, and tells how many occurrences Replace All changed.
class FindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    FindReplaceDialog(RichEditControl &control, CommandSession &session, QWidget *parent = nullptr);

    /// Fills the fields from the session and shows the find or the replace form.
    void open(bool replace);

    void findNextClicked();
    void replaceClicked();
    void replaceAllClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void storeOptions();
    void retranslate();

    RichEditControl &m_control;
    CommandSession &m_session;
    QLineEdit *m_find;
    QLineEdit *m_replace;
    QLabel *m_findLabel;
    QLabel *m_replaceLabel;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
    QPushButton *m_findNextButton;
    QPushButton *m_replaceButton;
    QPushButton *m_replaceAllButton;
    QLabel *m_status;
};

} // namespace richedit
