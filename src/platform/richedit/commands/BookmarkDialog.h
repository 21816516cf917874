#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QLabel;

namespace richedit {

class RichEditControl;

/// The bookmark dialog: add a bookmark at the selection, go to one, delete one.
class BookmarkDialog : public QDialog {
    Q_OBJECT
public:
    explicit BookmarkDialog(RichEditControl &control, QWidget *parent = nullptr);

private:
    void refresh();
    void add();
    void goTo();
    void remove();

    RichEditControl &m_control;
    QLineEdit *m_name;
    QListWidget *m_list;
    QLabel *m_problem;
};

} // namespace richedit
