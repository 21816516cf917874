#include "FindReplaceDialog.h"

#include "EditorCommand.h"
#include "TextSearch.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QCheckBox>
#include <QEvent>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace richedit {

FindReplaceDialog::FindReplaceDialog(RichEditControl &control, CommandSession &session, QWidget *parent)
    : QDialog(parent), m_control(control), m_session(session), m_find(new QLineEdit(this)),
      m_replace(new QLineEdit(this)), m_findLabel(new QLabel(this)), m_replaceLabel(new QLabel(this)),
      m_matchCase(new QCheckBox(this)), m_wholeWord(new QCheckBox(this)), m_findNextButton(new QPushButton(this)),
      m_replaceButton(new QPushButton(this)), m_replaceAllButton(new QPushButton(this)), m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("FindReplaceDialog"));
    setModal(false);
    m_find->setObjectName(QStringLiteral("findText"));
    m_replace->setObjectName(QStringLiteral("replaceText"));
    auto *form = new QFormLayout;
    m_findLabel->setBuddy(m_find);
    m_replaceLabel->setBuddy(m_replace);
    form->addRow(m_findLabel, m_find);
    form->addRow(m_replaceLabel, m_replace);
    form->addRow(m_matchCase);
    form->addRow(m_wholeWord);

    auto *buttons = new QDialogButtonBox(Qt::Horizontal, this);
    buttons->addButton(m_findNextButton, QDialogButtonBox::ActionRole);
    m_findNextButton->setDefault(true);
    buttons->addButton(m_replaceButton, QDialogButtonBox::ActionRole);
    buttons->addButton(m_replaceAllButton, QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(m_findNextButton, &QPushButton::clicked, this, &FindReplaceDialog::findNextClicked);
    connect(m_replaceButton, &QPushButton::clicked, this, &FindReplaceDialog::replaceClicked);
    connect(m_replaceAllButton, &QPushButton::clicked, this, &FindReplaceDialog::replaceAllClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    retranslate();
}

void FindReplaceDialog::retranslate()
{
    m_findLabel->setText(tr("Fi&nd what:"));
    m_replaceLabel->setText(tr("Replace &with:"));
    m_matchCase->setText(tr("Match &case"));
    m_wholeWord->setText(tr("Find whole words &only"));
    m_findNextButton->setText(tr("&Find Next"));
    m_replaceButton->setText(tr("&Replace"));
    m_replaceAllButton->setText(tr("Replace &All"));
    setWindowTitle(m_replaceButton->isVisibleTo(this) ? tr("Replace") : tr("Find"));
}

void FindReplaceDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void FindReplaceDialog::open(bool replace)
{
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    m_find->setText(m_session.searchText);
    m_replace->setText(m_session.replacement);
    m_matchCase->setChecked(m_session.matchCase);
    m_wholeWord->setChecked(m_session.wholeWord);
    for (QWidget *w : std::initializer_list<QWidget *>{m_replace, m_replaceLabel, m_replaceButton, m_replaceAllButton})
        w->setVisible(replace);
    m_status->clear();
    show();
    raise();
    activateWindow();
    m_find->setFocus();
    m_find->selectAll();
}

void FindReplaceDialog::storeOptions()
{
    m_session.searchText = m_find->text();
    m_session.replacement = m_replace->text();
    m_session.matchCase = m_matchCase->isChecked();
    m_session.wholeWord = m_wholeWord->isChecked();
}

void FindReplaceDialog::findNextClicked()
{
    storeOptions();
    const QTextCursor found = findNext(*m_control.activeStory(), m_session.searchText, m_control.textCursor(),
                                       {m_session.matchCase, m_session.wholeWord});
    if (found.isNull()) {
        m_status->setText(tr("The search item was not found."));
        return;
    }
    m_status->clear();
    m_control.setTextCursor(found);
}

void FindReplaceDialog::replaceClicked()
{
    storeOptions();
    if (m_control.isReadOnly()) // a protected document
        return;
    QTextCursor selection = m_control.textCursor();
    if (replaceSelection(selection, m_session.searchText, m_session.replacement,
                         {m_session.matchCase, m_session.wholeWord}))
        m_control.setTextCursor(selection);
    findNextClicked();
}

void FindReplaceDialog::replaceAllClicked()
{
    storeOptions();
    if (m_control.isReadOnly())
        return;
    const int count = replaceAll(*m_control.activeStory(), m_session.searchText, m_session.replacement,
                                 {m_session.matchCase, m_session.wholeWord});
    m_status->setText(count == 0 ? tr("The search item was not found.") : tr("Replaced %1 occurrence(s).").arg(count));
}

} // namespace richedit
