#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace ui {
namespace {

QString applicationTitle()
{
    return QCoreApplication::applicationName();
}

} // namespace

void QtDialogs::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, m_parent);
    box.exec();
}

Answer QtDialogs::warningYesNoCancel(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, applicationTitle(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

bool QtDialogs::confirm(const QString &text)
{
    return QMessageBox::question(m_parent, applicationTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::input(const QString &title, const QString &prompt, const QString &value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<FileChoice> QtDialogs::openFile(const QString &title, const QStringList &filters,
                                              const QString &selectedFilter)
{
    QString filter = selectedFilter;
    const QString path = QFileDialog::getOpenFileName(m_parent, title, QString(), filters.join(QStringLiteral(";;")),
                                                      &filter);
    if (path.isEmpty())
        return std::nullopt;
    return FileChoice{path, filter};
}

std::optional<FileChoice> QtDialogs::saveFile(const QString &title, const QStringList &filters,
                                              const QString &selectedFilter, const QString &suggestedPath)
{
    QString filter = selectedFilter;
    const QString path = QFileDialog::getSaveFileName(m_parent, title, suggestedPath,
                                                      filters.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return std::nullopt;
    return FileChoice{path, filter};
}

void QtDialogs::showError(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, m_parent);
    box.exec();
}

} // namespace ui
