#include "UserDictionary.h"

#include "platform/rtl/MemIniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace spellchecker {

namespace {

QString decodeWithBom(const QByteArray &bytes)
{
    if (const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*encoding);
        return decoder(bytes);
    }
    return QString::fromUtf8(bytes);
}

} // namespace

void UserDictionary::setDictionaryPath(const QString &path)
{
    if (path == m_path)
        return;
    Unload();
    m_path = path;
}

void UserDictionary::Load()
{
    if (Loaded())
        return;
    m_words.clear();
    m_known.clear();
    m_modified = false;
    QFile file(m_path);
    if (QFileInfo::exists(m_path)) {
        if (QFileInfo(m_path).isDir() || !file.open(QIODevice::ReadOnly))
            throw rtl::FileOpenError(m_path, QFileInfo(m_path).isDir() ? QStringLiteral("It is a folder.")
                                                                         : file.errorString());
        QString text = decodeWithBom(file.readAll());
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            const QString word = line.trimmed();
            if (!word.isEmpty() && !m_known.contains(word)) {
                m_known.insert(word);
                m_words << word;
            }
        }
    }
    setLoaded(true);
}

void UserDictionary::Unload()
{
    if (!Loaded())
        return;
    if (m_modified)
        writeBack();
    m_words.clear();
    m_known.clear();
    m_modified = false;
    setLoaded(false);
}

void UserDictionary::writeBack() const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    for (const QString &word : m_words)
        file.write(word.toUtf8() + '\n');
    file.commit();
}

bool UserDictionary::knows(const QString &word) const
{
    if (m_known.contains(word))
        return true;
    // A word stored in small letters also passes at the start of a sentence and in capitals.
    const QString lower = word.toLower();
    if (!m_known.contains(lower))
        return false;
    return word == word.toUpper() || word == lower.left(1).toUpper() + lower.mid(1);
}

void UserDictionary::addWord(const QString &word)
{
    if (!Loaded() || word.isEmpty() || m_known.contains(word))
        return;
    m_known.insert(word);
    m_words << word;
    m_modified = true;
    notify();
}

} // namespace spellchecker
