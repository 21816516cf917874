#pragma once

#include <QColor>
#include <QString>
#include <QVariant>

namespace spellchecker {
class SpellChecker;
}

namespace richedit {

class EditorDialogs;
class SpellingPrompt;
class RichEditControl;

/// What the commands remember between runs: the last search and the colours the two
/// galleries apply when their button itself is clicked.
struct CommandSession {
    QString searchText;
    QString replacement;
    bool matchCase = false;
    bool wholeWord = false;
    QColor highlightColour = Qt::yellow;
    QColor fontColour = Qt::red;
    /// The spell checker the spelling commands use; none until the program sets one.
    spellchecker::SpellChecker *spellChecker = nullptr;
    /// Asks about each misspelt word; null means the spelling dialog.
    SpellingPrompt *spellingPrompt = nullptr;
};

/// Everything a command works on.
struct CommandContext {
    RichEditControl &control;
    EditorDialogs &dialogs;
    CommandSession &session;
};

/// One editor command: its name, its English caption and hint (the localizer's keys), and
/// what it does. A command without `execute` is known by name but cannot run yet: it is
/// always disabled. Without `enabled` it is enabled whenever it can run; without `checked`
/// it is never pressed; `value` is the current value of a combo box or gallery.
struct EditorCommand {
    using Execute = void (*)(CommandContext &, const QVariant &argument);
    using State = bool (*)(const CommandContext &);
    using Value = QVariant (*)(const CommandContext &);

    const char *name;
    const char *caption;
    const char *hint;
    Execute execute = nullptr;
    State enabled = nullptr;
    State checked = nullptr;
    Value value = nullptr;
};

} // namespace richedit
