#pragma once

#include "Dialogs.h"

#include <QPointer>

namespace ui {

/// Real Qt dialogs, parented to `parent` (which may be set later, once the main window exists).
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void message(const QString &text) override;
    Answer warningYesNoCancel(const QString &text) override;
    bool confirm(const QString &text) override;
    std::optional<QString> input(const QString &title, const QString &prompt, const QString &value) override;
    std::optional<FileChoice> openFile(const QString &title, const QStringList &filters,
                                       const QString &selectedFilter) override;
    std::optional<FileChoice> saveFile(const QString &title, const QStringList &filters,
                                       const QString &selectedFilter, const QString &suggestedPath) override;
    void showError(const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace ui
