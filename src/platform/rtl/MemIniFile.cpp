#include "MemIniFile.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

namespace rtl {
namespace {

bool isControlOrBlank(QChar c)
{
    return c.unicode() <= 32;
}

QStringView trimLeft(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && isControlOrBlank(text[start]))
        ++start;
    return text.mid(start);
}

QStringView trimRight(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && isControlOrBlank(text[end - 1]))
        --end;
    return text.left(end);
}

QStringView trim(QStringView text)
{
    return trimRight(trimLeft(text));
}

QString folded(QStringView name)
{
    return name.toString().toCaseFolded();
}

} // namespace

FileOpenError::FileOpenError(const QString &path, const QString &reason)
    : platform::Error(QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason))
{
}

MemIniFile::MemIniFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw FileOpenError(path, QFileInfo(path).isDir() ? QStringLiteral("It is a folder.") : file.errorString());
    parse(QString::fromUtf8(file.readAll()));
}

MemIniFile MemIniFile::fromUtf8(const QByteArray &bytes)
{
    MemIniFile ini;
    ini.parse(QString::fromUtf8(bytes));
    return ini;
}

void MemIniFile::parse(const QString &text)
{
    QStringView rest(text);
    if (rest.startsWith(QChar(0xFEFF)))
        rest = rest.mid(1);

    Section *current = nullptr;
    while (!rest.isEmpty()) {
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != u'\n' && rest[end] != u'\r')
            ++end;
        const QStringView line = trim(rest.left(end));
        if (end < rest.size() && rest[end] == u'\r' && end + 1 < rest.size() && rest[end + 1] == u'\n')
            ++end;
        rest = rest.mid(qMin(end + 1, rest.size()));

        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QStringView name = trim(line.mid(1, line.size() - 2));
            const QString key = folded(name);
            if (m_index.contains(key)) {
                current = nullptr; // a repeated section: its block does not count
                continue;
            }
            m_index.insert(key, m_sections.size());
            m_sections.append(Section{name.toString(), {}, {}});
            current = &m_sections.last();
            continue;
        }
        if (!current)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        const QStringView key = equals < 0 ? line : trimRight(line.left(equals));
        const QString foldedKey = folded(key);
        if (current->values.contains(foldedKey))
            continue;
        current->keyOrder.append(key.toString());
        if (equals < 0)
            current->values.insert(foldedKey, std::nullopt);
        else
            current->values.insert(foldedKey, trimLeft(line.mid(equals + 1)).toString());
    }
}

bool MemIniFile::sectionExists(const QString &section) const
{
    return m_index.contains(folded(section));
}

std::optional<QString> MemIniFile::value(const QString &section, const QString &key) const
{
    const auto found = m_index.constFind(folded(section));
    if (found == m_index.cend())
        return std::nullopt;
    return m_sections[*found].values.value(folded(key), std::nullopt);
}

bool MemIniFile::valueExists(const QString &section, const QString &key) const
{
    return value(section, key).has_value();
}

QString MemIniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

QStringList MemIniFile::sections() const
{
    QStringList names;
    for (const Section &section : m_sections)
        names << section.name;
    return names;
}

QStringList MemIniFile::keys(const QString &section) const
{
    const auto found = m_index.constFind(folded(section));
    return found == m_index.cend() ? QStringList() : m_sections[*found].keyOrder;
}

} // namespace rtl
