#include "SpellingDialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace richedit {

SpellingDialog::SpellingDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SpellingDialog"));
    setWindowModality(Qt::ApplicationModal);
    m_notInDictionaryLabel = new QLabel(this);
    m_word = new QLineEdit(this);
    m_word->setReadOnly(true);
    m_changeToLabel = new QLabel(this);
    m_changeTo = new QLineEdit(this);
    m_suggestionsLabel = new QLabel(this);
    m_suggestions = new QListWidget(this);
    m_language = new QLabel(this);
    m_notInDictionaryLabel->setBuddy(m_word);
    m_changeToLabel->setBuddy(m_changeTo);
    m_suggestionsLabel->setBuddy(m_suggestions);

    const auto button = [this](SpellingAnswer::Action action) {
        auto *result = new QPushButton(this);
        result->setAutoDefault(false);
        connect(result, &QPushButton::clicked, this, [this, action] { answer(action); });
        return result;
    };
    m_ignoreOnce = button(SpellingAnswer::IgnoreOnce);
    m_ignoreAll = button(SpellingAnswer::IgnoreAll);
    m_add = button(SpellingAnswer::Add);
    m_change = button(SpellingAnswer::Change);
    m_changeAll = button(SpellingAnswer::ChangeAll);
    m_close = button(SpellingAnswer::Cancel);
    m_change->setDefault(true);

    connect(m_suggestions, &QListWidget::currentTextChanged, m_changeTo, &QLineEdit::setText);
    connect(m_suggestions, &QListWidget::itemDoubleClicked, this, [this] { answer(SpellingAnswer::Change); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_notInDictionaryLabel, 0, 0);
    grid->addWidget(m_word, 1, 0);
    grid->addWidget(m_changeToLabel, 2, 0);
    grid->addWidget(m_changeTo, 3, 0);
    grid->addWidget(m_suggestionsLabel, 4, 0);
    grid->addWidget(m_suggestions, 5, 0, 3, 1);
    grid->addWidget(m_language, 8, 0);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {m_ignoreOnce, m_ignoreAll, m_add, m_change, m_changeAll})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(m_close);
    grid->addLayout(buttons, 0, 1, 9, 1);
    retranslate();
}

void SpellingDialog::retranslate()
{
    setWindowTitle(tr("Spelling"));
    m_notInDictionaryLabel->setText(tr("&Not in Dictionary:"));
    m_changeToLabel->setText(tr("C&hange to:"));
    m_suggestionsLabel->setText(tr("Suggestio&ns:"));
    m_ignoreOnce->setText(tr("&Ignore Once"));
    m_ignoreAll->setText(tr("I&gnore All"));
    m_add->setText(tr("&Add to Dictionary"));
    m_change->setText(tr("&Change"));
    m_changeAll->setText(tr("Change A&ll"));
    m_close->setText(tr("Close"));
    m_language->setText(tr("Dictionary language: %1").arg(m_languageName));
    if (m_suggestions->count() == 1 && !(m_suggestions->item(0)->flags() & Qt::ItemIsEnabled))
        m_suggestions->item(0)->setText(tr("(no suggestions)"));
}

void SpellingDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

SpellingAnswer SpellingDialog::ask(const SpellingQuestion &question)
{
    m_languageName = question.language;
    m_word->setText(question.word);
    m_suggestions->clear();
    m_suggestions->addItems(question.suggestions);
    if (question.suggestions.isEmpty()) {
        auto *none = new QListWidgetItem(m_suggestions);
        none->setFlags(Qt::NoItemFlags);
        m_changeTo->setText(question.word);
    } else {
        m_suggestions->setCurrentRow(0);
    }
    m_add->setEnabled(question.canAdd);
    retranslate();
    if (!isVisible())
        show();
    m_changeTo->setFocus();
    m_changeTo->selectAll();
    m_action = SpellingAnswer::Cancel;
    m_loop.exec();
    return {m_action, m_changeTo->text()};
}

void SpellingDialog::answer(SpellingAnswer::Action action)
{
    m_action = action;
    m_loop.quit();
}

void SpellingDialog::reject()
{
    answer(SpellingAnswer::Cancel);
}

void SpellingDialog::close()
{
    hide();
}

} // namespace richedit
