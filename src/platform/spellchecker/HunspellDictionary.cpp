#include "HunspellDictionary.h"

#include "platform/rtl/MemIniFile.h"

#include <QFile>
#include <QFileInfo>

#include <hunspell/hunspell.hxx>
#include <iconv.h>

namespace spellchecker {

/// Converts words between Qt's strings and the 8-bit encoding a dictionary declares with
/// SET (UTF-8 in most dictionaries, ISO8859-2 in the Polish one).
class DictionaryCodec {
public:
    explicit DictionaryCodec(const std::string &encoding)
        : m_utf8(encoding.empty() || encoding == "UTF-8" || encoding == "utf-8")
    {
        if (m_utf8)
            return;
        m_toDictionary = iconv_open(encoding.c_str(), "UTF-8");
        m_fromDictionary = iconv_open("UTF-8", encoding.c_str());
    }
    ~DictionaryCodec()
    {
        for (iconv_t cd : {m_toDictionary, m_fromDictionary})
            if (cd != invalid())
                iconv_close(cd);
    }
    DictionaryCodec(const DictionaryCodec &) = delete;
    DictionaryCodec &operator=(const DictionaryCodec &) = delete;

    /// Empty when the word has a character the dictionary's encoding cannot hold: such a
    /// word cannot be in the dictionary.
    std::string encode(const QString &word) const
    {
        return m_utf8 ? word.toStdString() : convert(m_toDictionary, word.toStdString());
    }
    QString decode(const std::string &word) const
    {
        return QString::fromStdString(m_utf8 ? word : convert(m_fromDictionary, word));
    }

private:
    static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }

    static std::string convert(iconv_t cd, const std::string &in)
    {
        if (cd == invalid())
            return {};
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        std::string out(in.size() * 4 + 4, '\0');
        char *source = const_cast<char *>(in.data());
        size_t sourceLeft = in.size();
        char *target = out.data();
        size_t targetLeft = out.size();
        if (iconv(cd, &source, &sourceLeft, &target, &targetLeft) == static_cast<size_t>(-1))
            return {};
        out.resize(out.size() - targetLeft);
        return out;
    }

    bool m_utf8;
    iconv_t m_toDictionary = invalid();
    iconv_t m_fromDictionary = invalid();
};

namespace {

// Hunspell itself accepts a missing file silently and then knows no word, so each file is
// tried first and a missing one is reported by name, the affix file before the word file.
void requireReadable(const QString &path)
{
    if (path.isEmpty())
        throw rtl::FileOpenError(path, QStringLiteral("No file name is given."));
    QFile file(path);
    if (QFileInfo(path).isDir())
        throw rtl::FileOpenError(path, QStringLiteral("It is a folder."));
    if (!file.open(QIODevice::ReadOnly))
        throw rtl::FileOpenError(path, file.errorString());
}

} // namespace

HunspellDictionary::HunspellDictionary() = default;
HunspellDictionary::~HunspellDictionary() = default;

void HunspellDictionary::setGrammarPath(const QString &path)
{
    if (path == m_grammarPath)
        return;
    Unload();
    m_grammarPath = path;
}

void HunspellDictionary::setDictionaryPath(const QString &path)
{
    if (path == m_dictionaryPath)
        return;
    Unload();
    m_dictionaryPath = path;
}

void HunspellDictionary::Load()
{
    if (Loaded())
        return;
    requireReadable(m_grammarPath);
    requireReadable(m_dictionaryPath);
    auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(m_grammarPath).constData(),
                                               QFile::encodeName(m_dictionaryPath).constData());
    m_codec = std::make_unique<DictionaryCodec>(hunspell->get_dict_encoding());
    m_hunspell = std::move(hunspell);
    setLoaded(true);
}

void HunspellDictionary::Unload()
{
    if (!Loaded())
        return;
    m_hunspell.reset();
    m_codec.reset();
    setLoaded(false);
}

bool HunspellDictionary::knows(const QString &word) const
{
    if (!m_hunspell)
        return false;
    const std::string encoded = m_codec->encode(word);
    return !encoded.empty() && m_hunspell->spell(encoded);
}

QStringList HunspellDictionary::suggestions(const QString &word) const
{
    QStringList result;
    if (!m_hunspell)
        return result;
    const std::string encoded = m_codec->encode(word);
    if (encoded.empty())
        return result;
    for (const std::string &suggestion : m_hunspell->suggest(encoded))
        result << m_codec->decode(suggestion);
    return result;
}

} // namespace spellchecker
