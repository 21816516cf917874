#pragma once

#include "Dictionaries.h"

#include <QHash>
#include <QObject>
#include <QSet>

#include <memory>
#include <vector>

namespace spellchecker {

class HunspellDictionary;
class UserDictionary;

/// The spell checker: an ordered list of dictionaries, addressed by position. A word passes
/// when any entry that is enabled and loaded knows it, or when the user chose to ignore it
/// for this run. Unloads every entry when destroyed, so a user word list is written back.
class SpellChecker : public QObject {
    Q_OBJECT
public:
    explicit SpellChecker(QObject *parent = nullptr);
    ~SpellChecker() override;

    int count() const { return static_cast<int>(m_dictionaries.size()); }
    /// The entry at a position, counted from 0.
    SpellDictionary &Dictionaries(int position) const;
    /// The entry at a position as a Hunspell dictionary, or null when it is another kind.
    HunspellDictionary *hunspellAt(int position) const;
    /// The entry at a position as the user word list, or null when it is another kind.
    UserDictionary *userListAt(int position) const;

    /// Appends a new Hunspell entry: enabled, not loaded, with the given language.
    HunspellDictionary &addHunspellDictionary(LocaleId language);
    /// Appends a user word list entry.
    UserDictionary &addUserDictionary(const QString &path, int codePage, LocaleId language = 0);

    /// Whether a word passes: some active entry knows it, or it is ignored for this run.
    bool isWordCorrect(const QString &word) const;
    /// Corrections from the active entries, best first, without repeats.
    QStringList suggestions(const QString &word, int maximum = 10) const;
    /// Whether any entry takes part in checking.
    bool hasActiveDictionaries() const;
    /// Whether a language (Hunspell) entry takes part: a user word list alone cannot tell a
    /// misspelt word from any other, so nothing is checked without one.
    bool canJudgeWords() const;
    /// The language of the first active Hunspell entry, 0 when there is none.
    LocaleId activeLanguage() const;

    /// Whether words can be added now: a user word list is enabled and loaded.
    bool canAddWords() const;
    /// Adds the word to the first active user word list.
    void addWord(const QString &word);
    /// Lets the word pass until the program ends.
    void ignoreAll(const QString &word);

    /// Live checking: misspelt words are marked as the user types.
    bool checkAsYouTypeActive() const { return m_checkAsYouType; }
    void setCheckAsYouTypeActive(bool active);

signals:
    /// The set of passing words changed: a dictionary was enabled, disabled, loaded,
    /// unloaded or added to, or a word was ignored.
    void dictionariesChanged();
    void checkAsYouTypeChanged(bool active);

private:
    void adopt(std::unique_ptr<SpellDictionary> dictionary);
    void changed();

    std::vector<std::unique_ptr<SpellDictionary>> m_dictionaries;
    QSet<QString> m_ignored;
    mutable QHash<QString, bool> m_verdicts;
    bool m_checkAsYouType = true;
};

} // namespace spellchecker
