#include "Dictionaries.h"

namespace spellchecker {

void SpellDictionary::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    notify();
}

void SpellDictionary::setLoaded(bool loaded)
{
    if (m_loaded == loaded)
        return;
    m_loaded = loaded;
    notify();
}

void SpellDictionary::notify() const
{
    if (changed)
        changed();
}

} // namespace spellchecker
