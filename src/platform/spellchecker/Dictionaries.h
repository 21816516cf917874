#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace spellchecker {

/// Windows language ids, the form in which dictionaries name their language.
using LocaleId = int;

/// One entry of the spell checker's dictionary list. It takes part in checking only when it
/// is both enabled and loaded; disabling it does not unload it.
class SpellDictionary {
public:
    enum class Kind { Hunspell, UserWordList };

    virtual ~SpellDictionary() = default;

    virtual Kind kind() const = 0;
    /// Reads the entry's files; does nothing when it is loaded already. Throws
    /// `rtl::FileOpenError` naming the file that could not be read, and stays unloaded then.
    virtual void Load() = 0;
    /// Forgets the words; a user word list writes itself back first.
    virtual void Unload() = 0;
    /// Whether the entry knows the word; false while unloaded.
    virtual bool knows(const QString &word) const = 0;
    /// Corrections the entry proposes for a word, best first.
    virtual QStringList suggestions(const QString &word) const = 0;

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool Loaded() const { return m_loaded; }
    bool active() const { return m_enabled && m_loaded; }
    LocaleId Language() const { return m_language; }
    void setLanguage(LocaleId language) { m_language = language; }

    /// Called after every change that affects which words pass; set by the owning checker.
    std::function<void()> changed;

protected:
    void setLoaded(bool loaded);
    void notify() const;

private:
    bool m_enabled = true;
    bool m_loaded = false;
    LocaleId m_language = 0;
};

} // namespace spellchecker
