#pragma once

#include "Dictionaries.h"

#include <memory>

class Hunspell;

namespace spellchecker {

class DictionaryCodec;

/// A dictionary in the Hunspell format: an affix file and a word file.
class HunspellDictionary : public SpellDictionary {
public:
    HunspellDictionary();
    ~HunspellDictionary() override;

    Kind kind() const override { return Kind::Hunspell; }

    QString GrammarPath() const { return m_grammarPath; }
    /// A path other than the current one unloads the dictionary first; the same path changes nothing.
    void setGrammarPath(const QString &path);
    QString DictionaryPath() const { return m_dictionaryPath; }
    void setDictionaryPath(const QString &path);

    void Load() override;
    void Unload() override;
    bool knows(const QString &word) const override;
    QStringList suggestions(const QString &word) const override;

private:
    QString m_grammarPath;
    QString m_dictionaryPath;
    std::unique_ptr<Hunspell> m_hunspell;
    std::unique_ptr<DictionaryCodec> m_codec;
};

} // namespace spellchecker
