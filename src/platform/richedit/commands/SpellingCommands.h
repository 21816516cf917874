#pragma once

#include "EditorCommand.h"

#include <QString>
#include <QStringList>

namespace richedit {

/// What the spelling dialog shows about one misspelt word.
struct SpellingQuestion {
    QString word;
    QStringList suggestions;
    /// The shown name of the dictionary language, empty when unknown.
    QString language;
    /// Whether "Add to Dictionary" can be offered: a user word list takes part.
    bool canAdd = false;
};

/// What the user decided about a misspelt word.
struct SpellingAnswer {
    enum Action { IgnoreOnce, IgnoreAll, Add, Change, ChangeAll, Cancel };
    Action action = Cancel;
    /// The text that replaces the word for Change and Change All.
    QString replacement;
};

/// Asks the user about each misspelt word of a spelling check.
class SpellingPrompt {
public:
    virtual ~SpellingPrompt() = default;
    virtual SpellingAnswer ask(const SpellingQuestion &question) = 0;
    /// The check has ended: the prompt closes.
    virtual void close() = 0;
};

namespace spelling {

/// Walks the story that holds the caret from the caret to its end, then from its start back
/// to the caret, selecting each misspelt word and asking the prompt about it; tells the user
/// when the check is complete. Throws when no dictionary takes part in checking.
void checkSpelling(CommandContext &context, const QVariant &);
/// Whether the spelling check can run: a spell checker is set.
bool canCheckSpelling(const CommandContext &context);

} // namespace spelling
} // namespace richedit
