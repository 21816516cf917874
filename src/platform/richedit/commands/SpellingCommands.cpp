#include "SpellingCommands.h"

#include "EditorDialogs.h"
#include "SpellingDialog.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/rtl/Error.h"
#include "platform/spellchecker/Locales.h"
#include "platform/spellchecker/SpellChecker.h"
#include "platform/spellchecker/Words.h"

#include <QCoreApplication>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>
#include <optional>

namespace richedit::spelling {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("richedit::SpellingDialog", text);
}

QString languageName(spellchecker::LocaleId id)
{
    for (const spellchecker::LocaleLanguage &language : spellchecker::localeLanguages())
        if (language.id == id)
            return language.displayName();
    return {};
}

/// The next word at or after a position, before `limit`; empty when there is none.
std::optional<spellchecker::WordSpan> nextWord(const QTextDocument &story, int position, int limit)
{
    for (QTextBlock block = story.findBlock(position); block.isValid() && block.position() < limit;
         block = block.next()) {
        const int offset = position - block.position();
        for (const spellchecker::WordSpan &word : spellchecker::wordsOf(block.text())) {
            const int start = block.position() + word.start;
            if (word.start + word.length <= offset)
                continue;
            if (start >= limit)
                return std::nullopt;
            return spellchecker::WordSpan{start, word.length};
        }
    }
    return std::nullopt;
}

/// One run of the spelling check over a story.
class SpellingWalk {
public:
    SpellingWalk(RichEditControl &control, spellchecker::SpellChecker &checker, SpellingPrompt &prompt)
        : m_control(control), m_checker(checker), m_prompt(prompt), m_story(*control.textCursor().document())
    {
    }

    /// False when the user cancelled.
    bool run()
    {
        const QTextCursor caret = m_control.textCursor();
        int start = caret.selectionStart();
        // A caret inside a word starts the check at the word's beginning.
        if (const auto word = nextWord(m_story, start, m_story.characterCount()); word && word->start < start)
            start = word->start;
        m_origin = start;
        if (!walk(start, [this] { return m_story.characterCount(); }))
            return false;
        return walk(0, [this] { return m_origin; });
    }

private:
    template <typename Limit>
    bool walk(int position, Limit limit)
    {
        while (const auto word = nextWord(m_story, position, limit())) {
            const QString text = wordText(*word);
            position = word->start + word->length;
            if (m_checker.isWordCorrect(text))
                continue;
            if (const auto change = m_changeAll.constFind(text); change != m_changeAll.cend()) {
                position = replace(*word, *change);
                continue;
            }
            select(*word);
            const SpellingAnswer answer = m_prompt.ask(
                {text, m_checker.suggestions(text), languageName(m_checker.activeLanguage()), m_checker.canAddWords()});
            switch (answer.action) {
            case SpellingAnswer::IgnoreOnce: break;
            case SpellingAnswer::IgnoreAll: m_checker.ignoreAll(text); break;
            case SpellingAnswer::Add: m_checker.addWord(text); break;
            case SpellingAnswer::ChangeAll: m_changeAll.insert(text, answer.replacement); [[fallthrough]];
            case SpellingAnswer::Change: position = replace(*word, answer.replacement); break;
            case SpellingAnswer::Cancel: return false;
            }
        }
        return true;
    }

    QString wordText(const spellchecker::WordSpan &word) const
    {
        const QTextBlock block = m_story.findBlock(word.start);
        return block.text().mid(word.start - block.position(), word.length);
    }

    void select(const spellchecker::WordSpan &word)
    {
        QTextCursor cursor(&m_story);
        cursor.setPosition(word.start);
        cursor.setPosition(word.start + word.length, QTextCursor::KeepAnchor);
        m_control.setTextCursor(cursor);
    }

    /// Replaces the word and returns the position after the replacement.
    int replace(const spellchecker::WordSpan &word, const QString &replacement)
    {
        QTextCursor cursor(&m_story);
        cursor.setPosition(word.start);
        cursor.setPosition(word.start + word.length, QTextCursor::KeepAnchor);
        cursor.insertText(replacement);
        // A change before the starting point moves the point where the check ends.
        if (word.start < m_origin)
            m_origin += static_cast<int>(replacement.size()) - word.length;
        m_control.setTextCursor(cursor);
        return cursor.position();
    }

    RichEditControl &m_control;
    spellchecker::SpellChecker &m_checker;
    SpellingPrompt &m_prompt;
    QTextDocument &m_story;
    QHash<QString, QString> m_changeAll;
    int m_origin = 0;
};

} // namespace

bool canCheckSpelling(const CommandContext &context)
{
    return context.session.spellChecker != nullptr;
}

void checkSpelling(CommandContext &context, const QVariant &)
{
    spellchecker::SpellChecker &checker = *context.session.spellChecker;
    if (!checker.canJudgeWords())
        throw platform::Error(tr("No spelling dictionaries are available. Choose the language of the "
                                 "dictionary in the program's preferences."));
    std::unique_ptr<SpellingDialog> dialog;
    SpellingPrompt *prompt = context.session.spellingPrompt;
    if (!prompt) {
        dialog = std::make_unique<SpellingDialog>(&context.control);
        prompt = dialog.get();
    }
    const bool complete = SpellingWalk(context.control, checker, *prompt).run();
    prompt->close();
    if (complete)
        context.dialogs.information(tr("The spelling check is complete."));
}

} // namespace richedit::spelling
