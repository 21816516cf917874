#pragma once

#include "platform/ui/Dialogs.h"

#include <deque>
#include <vector>

/// Scripted dialogs that also keep the input dialog's title and proposed value.
class RecordingDialogs final : public ui::Dialogs {
public:
    struct Input {
        QString title;
        QString prompt;
        QString value;
    };
    std::deque<std::optional<QString>> inputs; // default when empty: cancelled
    std::deque<bool> confirmations;            // default when empty: No
    std::vector<Input> inputsShown;
    QStringList messages;
    QStringList questions;
    QStringList errors;

    void message(const QString &text) override { messages << text; }
    ui::Answer warningYesNoCancel(const QString &text) override
    {
        questions << text;
        return ui::Answer::Cancel;
    }
    bool confirm(const QString &text) override
    {
        questions << text;
        if (confirmations.empty())
            return false;
        const bool answer = confirmations.front();
        confirmations.pop_front();
        return answer;
    }
    std::optional<QString> input(const QString &title, const QString &prompt, const QString &value) override
    {
        inputsShown.push_back({title, prompt, value});
        if (inputs.empty())
            return std::nullopt;
        std::optional<QString> answer = inputs.front();
        inputs.pop_front();
        return answer;
    }
    std::optional<ui::FileChoice> openFile(const QString &, const QStringList &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<ui::FileChoice> saveFile(const QString &, const QStringList &, const QString &,
                                           const QString &) override
    {
        return std::nullopt;
    }
    void showError(const QString &text) override { errors << text; }

    std::size_t shownCount() const
    {
        return inputsShown.size() + static_cast<std::size_t>(messages.size() + questions.size() + errors.size());
    }
};
