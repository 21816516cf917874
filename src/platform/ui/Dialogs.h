#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace ui {

/// The answer to a Yes/No/Cancel question; closing the box counts as Cancel.
enum class Answer { Yes, No, Cancel };

/// A file picked in an open or save dialog, with the filter the user had chosen.
struct FileChoice {
    QString path;
    QString filter;
};

/// The program's modal dialogs. The Qt implementation shows real dialogs; tests use
/// `FakeDialogs`, which scripts the answers and records what was shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    /// A plain message box with an OK button.
    virtual void message(const QString &text) = 0;
    /// A warning with the buttons Yes, No and Cancel.
    virtual Answer warningYesNoCancel(const QString &text) = 0;
    /// A question with the buttons Yes and No; closing the box counts as No.
    virtual bool confirm(const QString &text) = 0;
    /// A one-line input dialog; empty when the user cancels.
    virtual std::optional<QString> input(const QString &title, const QString &prompt, const QString &value) = 0;
    /// Filters in Qt's form, e.g. "Word Document (*.docx)"; empty when the user cancels.
    virtual std::optional<FileChoice> openFile(const QString &title, const QStringList &filters,
                                               const QString &selectedFilter) = 0;
    virtual std::optional<FileChoice> saveFile(const QString &title, const QStringList &filters,
                                               const QString &selectedFilter, const QString &suggestedPath) = 0;
    /// The standard error report for an error that ended a handler.
    virtual void showError(const QString &text) = 0;
};

} // namespace ui
