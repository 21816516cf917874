#pragma once

#include "SpellingCommands.h"

#include <QDialog>
#include <QEventLoop>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace richedit {

/// The word-processor style spelling dialog: the word not in the dictionary, suggestions,
/// the text to change it to, and the decisions. It stays open from word to word while a
/// spelling check walks the document.
class SpellingDialog : public QDialog, public SpellingPrompt {
    Q_OBJECT
public:
    explicit SpellingDialog(QWidget *parent = nullptr);

    SpellingAnswer ask(const SpellingQuestion &question) override;
    void close() override;

protected:
    void changeEvent(QEvent *event) override;
    void reject() override;

private:
    void retranslate();
    void answer(SpellingAnswer::Action action);

    QLabel *m_notInDictionaryLabel;
    QLineEdit *m_word;
    QLabel *m_changeToLabel;
    QLineEdit *m_changeTo;
    QLabel *m_suggestionsLabel;
    QListWidget *m_suggestions;
    QLabel *m_language;
    QPushButton *m_ignoreOnce;
    QPushButton *m_ignoreAll;
    QPushButton *m_add;
    QPushButton *m_change;
    QPushButton *m_changeAll;
    QPushButton *m_close;
    QString m_languageName;
    QEventLoop m_loop;
    SpellingAnswer::Action m_action = SpellingAnswer::Cancel;
};

} // namespace richedit
