#pragma once

#include "Dialogs.h"

#include <deque>
#include <vector>

namespace ui {

/// Scripted dialogs for tests: each call takes the next queued answer (or a neutral
/// default when none is queued) and records what would have been shown.
class FakeDialogs final : public Dialogs {
public:
    enum class Kind { Message, Question, Confirm, Input, OpenFile, SaveFile, Error };
    struct Shown {
        Kind kind;
        QString text; // the message, question, prompt or title
    };

    std::deque<Answer> answers;                       // default when empty: Cancel
    std::deque<bool> confirmations;                   // default when empty: false
    std::deque<std::optional<QString>> inputs;        // default when empty: cancelled
    std::deque<std::optional<FileChoice>> openFiles;  // default when empty: cancelled
    std::deque<std::optional<FileChoice>> saveFiles;  // default when empty: cancelled
    std::vector<Shown> shown;

    /// The texts shown with the given kind, in order.
    QStringList texts(Kind kind) const;
    /// Number of dialogs of any kind shown so far.
    std::size_t count() const { return shown.size(); }

    void message(const QString &text) override;
    Answer warningYesNoCancel(const QString &text) override;
    bool confirm(const QString &text) override;
    std::optional<QString> input(const QString &title, const QString &prompt, const QString &value) override;
    std::optional<FileChoice> openFile(const QString &title, const QStringList &filters,
                                       const QString &selectedFilter) override;
    std::optional<FileChoice> saveFile(const QString &title, const QStringList &filters,
                                       const QString &selectedFilter, const QString &suggestedPath) override;
    void showError(const QString &text) override;

    QStringList lastFilters;
};

} // namespace ui
