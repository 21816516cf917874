#include "BookmarkDialog.h"

#include "Bookmarks.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace richedit {

BookmarkDialog::BookmarkDialog(RichEditControl &control, QWidget *parent)
    : QDialog(parent), m_control(control), m_name(new QLineEdit(this)), m_list(new QListWidget(this)),
      m_problem(new QLabel(this))
{
    setObjectName(QStringLiteral("BookmarkDialog"));
    setWindowTitle(tr("Bookmark"));
    m_problem->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_problem->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *add = buttons->addButton(tr("&Add"), QDialogButtonBox::ActionRole);
    QPushButton *goTo = buttons->addButton(tr("&Go To"), QDialogButtonBox::ActionRole);
    QPushButton *remove = buttons->addButton(tr("&Delete"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    add->setDefault(true);
    connect(add, &QPushButton::clicked, this, &BookmarkDialog::add);
    connect(goTo, &QPushButton::clicked, this, &BookmarkDialog::goTo);
    connect(remove, &QPushButton::clicked, this, &BookmarkDialog::remove);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentTextChanged, m_name, &QLineEdit::setText);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &BookmarkDialog::goTo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Bookmark name:"), this));
    layout->addWidget(m_name);
    layout->addWidget(m_list);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    refresh();
}

void BookmarkDialog::refresh()
{
    m_list->clear();
    m_list->addItems(bookmarks::bookmarkNames(m_control.document()));
}

void BookmarkDialog::add()
{
    try {
        bookmarks::addBookmark(m_control, m_name->text().trimmed());
        m_problem->clear();
        accept();
    } catch (const std::exception &error) {
        m_problem->setText(QString::fromUtf8(error.what()));
    }
}

void BookmarkDialog::goTo()
{
    if (!bookmarks::goToBookmark(m_control, m_name->text().trimmed()))
        m_problem->setText(tr("There is no bookmark of that name."));
}

void BookmarkDialog::remove()
{
    bookmarks::deleteBookmark(m_control.document(), m_name->text().trimmed());
    m_name->clear();
    refresh();
}

} // namespace richedit
