#pragma once

#include "Dictionaries.h"

#include <QSet>

namespace spellchecker {

/// The user's own word list: a text file with one word per line. An absent file is an empty
/// list. Words added during the run are written back, UTF-8 without a byte-order mark, when
/// the loaded list is unloaded; a failed write is ignored, as nobody is left to tell.
class UserDictionary : public SpellDictionary {
public:
    Kind kind() const override { return Kind::UserWordList; }

    QString DictionaryPath() const { return m_path; }
    /// A relative path is resolved against the current folder when the list is read and written.
    void setDictionaryPath(const QString &path);
    /// The Windows code page the list was designed with; kept for the record, as text files
    /// here are UTF-8.
    int CodePage() const { return m_codePage; }
    void setCodePage(int codePage) { m_codePage = codePage; }

    void Load() override;
    void Unload() override;
    bool knows(const QString &word) const override;
    QStringList suggestions(const QString &) const override { return {}; }

    /// Adds a word to the loaded list; it is written back when the list is unloaded.
    void addWord(const QString &word);
    QStringList words() const { return m_words; }

private:
    void writeBack() const;

    QString m_path;
    int m_codePage = 0;
    QStringList m_words;
    QSet<QString> m_known;
    bool m_modified = false;
};

} // namespace spellchecker
