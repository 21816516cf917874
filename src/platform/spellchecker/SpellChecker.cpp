#include "SpellChecker.h"

#include "HunspellDictionary.h"
#include "UserDictionary.h"

namespace spellchecker {

namespace {

// Verdicts are remembered per word because the same words come back in every paragraph;
// the memory is dropped whenever the dictionaries change, and capped so it cannot grow
// without bound over a long session.
constexpr int maximumRememberedVerdicts = 200000;

} // namespace

SpellChecker::SpellChecker(QObject *parent) : QObject(parent) {}

SpellChecker::~SpellChecker()
{
    for (const auto &dictionary : m_dictionaries) {
        dictionary->changed = nullptr;
        dictionary->Unload();
    }
}

SpellDictionary &SpellChecker::Dictionaries(int position) const
{
    Q_ASSERT(position >= 0 && position < count());
    return *m_dictionaries.at(static_cast<size_t>(position));
}

HunspellDictionary *SpellChecker::hunspellAt(int position) const
{
    return dynamic_cast<HunspellDictionary *>(&Dictionaries(position));
}

UserDictionary *SpellChecker::userListAt(int position) const
{
    return dynamic_cast<UserDictionary *>(&Dictionaries(position));
}

void SpellChecker::adopt(std::unique_ptr<SpellDictionary> dictionary)
{
    dictionary->changed = [this] { changed(); };
    m_dictionaries.push_back(std::move(dictionary));
    changed();
}

HunspellDictionary &SpellChecker::addHunspellDictionary(LocaleId language)
{
    auto dictionary = std::make_unique<HunspellDictionary>();
    dictionary->setLanguage(language);
    HunspellDictionary &result = *dictionary;
    adopt(std::move(dictionary));
    return result;
}

UserDictionary &SpellChecker::addUserDictionary(const QString &path, int codePage, LocaleId language)
{
    auto dictionary = std::make_unique<UserDictionary>();
    dictionary->setDictionaryPath(path);
    dictionary->setCodePage(codePage);
    dictionary->setLanguage(language);
    UserDictionary &result = *dictionary;
    adopt(std::move(dictionary));
    return result;
}

void SpellChecker::changed()
{
    m_verdicts.clear();
    emit dictionariesChanged();
}

bool SpellChecker::isWordCorrect(const QString &word) const
{
    if (m_ignored.contains(word))
        return true;
    const auto remembered = m_verdicts.constFind(word);
    if (remembered != m_verdicts.cend())
        return *remembered;
    bool known = false;
    for (const auto &dictionary : m_dictionaries) {
        if (dictionary->active() && dictionary->knows(word)) {
            known = true;
            break;
        }
    }
    if (m_verdicts.size() >= maximumRememberedVerdicts)
        m_verdicts.clear();
    m_verdicts.insert(word, known);
    return known;
}

QStringList SpellChecker::suggestions(const QString &word, int maximum) const
{
    QStringList result;
    for (const auto &dictionary : m_dictionaries) {
        if (!dictionary->active())
            continue;
        for (const QString &suggestion : dictionary->suggestions(word)) {
            if (result.size() >= maximum)
                return result;
            if (!result.contains(suggestion))
                result << suggestion;
        }
    }
    return result;
}

bool SpellChecker::hasActiveDictionaries() const
{
    for (const auto &dictionary : m_dictionaries)
        if (dictionary->active())
            return true;
    return false;
}

bool SpellChecker::canJudgeWords() const
{
    for (const auto &dictionary : m_dictionaries)
        if (dictionary->active() && dictionary->kind() == SpellDictionary::Kind::Hunspell)
            return true;
    return false;
}

LocaleId SpellChecker::activeLanguage() const
{
    for (const auto &dictionary : m_dictionaries)
        if (dictionary->active() && dictionary->kind() == SpellDictionary::Kind::Hunspell)
            return dictionary->Language();
    return 0;
}

bool SpellChecker::canAddWords() const
{
    for (const auto &dictionary : m_dictionaries)
        if (dictionary->active() && dictionary->kind() == SpellDictionary::Kind::UserWordList)
            return true;
    return false;
}

void SpellChecker::addWord(const QString &word)
{
    for (const auto &dictionary : m_dictionaries) {
        if (dictionary->active() && dictionary->kind() == SpellDictionary::Kind::UserWordList) {
            static_cast<UserDictionary &>(*dictionary).addWord(word);
            return;
        }
    }
}

void SpellChecker::ignoreAll(const QString &word)
{
    if (word.isEmpty() || m_ignored.contains(word))
        return;
    m_ignored.insert(word);
    emit dictionariesChanged();
}

void SpellChecker::setCheckAsYouTypeActive(bool active)
{
    if (m_checkAsYouType == active)
        return;
    m_checkAsYouType = active;
    emit checkAsYouTypeChanged(active);
}

} // namespace spellchecker
