#include "IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <limits>
#include <optional>

namespace rtl {
namespace {

struct Line {
    enum Kind { Other, Section, Entry };
    Kind kind = Other;
    QString name;  // section or key name, trimmed
    QString value; // entry value, trimmed
};

QString stripBom(QString text)
{
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = stripBom(QString::fromUtf8(file.readAll()));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the newline that ends the last line
    return lines;
}

Line classify(const QString &raw)
{
    const QString text = raw.trimmed();
    Line line;
    if (text.startsWith(QLatin1Char('[')) && text.contains(QLatin1Char(']'))) {
        line.kind = Line::Section;
        line.name = text.mid(1, text.indexOf(QLatin1Char(']')) - 1).trimmed();
    } else if (!text.startsWith(QLatin1Char(';')) && text.contains(QLatin1Char('='))) {
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        line.kind = Line::Entry;
        line.name = text.left(eq).trimmed();
        line.value = text.mid(eq + 1).trimmed();
    }
    return line;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

/// Index range [first, end) of the lines that belong to `section`, after its header.
struct SectionRange {
    qsizetype header = -1;
    qsizetype end = -1;
};

SectionRange findSection(const QStringList &lines, const QString &section)
{
    SectionRange range;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line line = classify(lines[i]);
        if (line.kind != Line::Section)
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (sameName(line.name, section))
            range.header = i;
    }
    if (range.header >= 0)
        range.end = lines.size();
    return range;
}

std::optional<QString> findValue(const QStringList &lines, const QString &section, const QString &key)
{
    const SectionRange range = findSection(lines, section);
    for (qsizetype i = range.header + 1; range.header >= 0 && i < range.end; ++i) {
        const Line line = classify(lines[i]);
        if (line.kind == Line::Entry && sameName(line.name, key))
            return line.value;
    }
    return std::nullopt;
}

bool isReadOnly(const QString &path)
{
    // The owner's write bit stands for the read-only attribute, so a read-only file is
    // refused even when the program runs with rights that could override it.
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

IniWriteError::IniWriteError(const QString &path)
    : platform::Error(QStringLiteral("Unable to write to %1").arg(path))
{
}

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const std::optional<QString> value = findValue(readLines(m_path), section, key);
    return value ? value->left(maxValueLength) : defaultValue;
}

std::optional<int> parseIniInteger(const QString &text)
{
    bool ok = false;
    qlonglong number = 0;
    if (text.size() > 2 && text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const QString digits = text.mid(2);
        if (digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
            return std::nullopt;
        number = digits.toLongLong(&ok, 16);
        // Hexadecimal up to eight digits wraps into the negative range, as 32-bit values do.
        if (ok && number <= 0xFFFFFFFFLL)
            return static_cast<int>(static_cast<quint32>(number));
        return std::nullopt;
    }
    number = text.toLongLong(&ok, 10);
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(number);
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    return parseIniInteger(readString(section, key, QString())).value_or(defaultValue);
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    if (isReadOnly(m_path))
        throw IniWriteError(m_path);

    QStringList lines = readLines(m_path);
    const QString entry = key + QLatin1Char('=') + value;
    const SectionRange range = findSection(lines, section);
    if (range.header < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        lines.append(entry);
    } else {
        qsizetype insertAt = range.header + 1;
        bool replaced = false;
        for (qsizetype i = range.header + 1; i < range.end; ++i) {
            const Line line = classify(lines[i]);
            if (line.kind == Line::Entry && sameName(line.name, key)) {
                lines[i] = entry;
                replaced = true;
                break;
            }
            if (!lines[i].trimmed().isEmpty())
                insertAt = i + 1; // after the section's last non-blank line
        }
        if (!replaced)
            lines.insert(insertAt, entry);
    }

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw IniWriteError(m_path);
    file.write(lines.join(QLatin1Char('\n')).toUtf8());
    file.write("\n");
    if (!file.commit())
        throw IniWriteError(m_path);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace rtl
