#pragma once

#include "Error.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace rtl {

/// A file that exists but cannot be read; the message names the file and the reason.
class FileOpenError : public platform::Error {
public:
    FileOpenError(const QString &path, const QString &reason);
};

/// An INI file read whole into memory, for tables that ship beside the program.
///
/// Reading rules: every line is trimmed of characters of code 32 or less; empty lines, lines
/// starting with ";" and lines before the first section are skipped. "[name]" starts a
/// section; a name seen before starts a block whose lines are ignored. Other lines split at
/// their first "=" into key and value; the first line of a key wins, and a line without "="
/// records a key without value, which reads as absent and still shadows later lines of that
/// key. Section and key names match without regard to case. The text is UTF-8, with or
/// without a byte order mark.
class MemIniFile {
public:
    /// An empty table.
    MemIniFile() = default;
    /// Reads the file; a missing file gives an empty table, one that cannot be read throws
    /// `FileOpenError`.
    explicit MemIniFile(const QString &path);
    /// Reads the table from the file's bytes.
    static MemIniFile fromUtf8(const QByteArray &bytes);

    /// Whether the section occurs in the file.
    bool sectionExists(const QString &section) const;
    /// Whether the key has a value in the section.
    bool valueExists(const QString &section, const QString &key) const;
    /// The key's value, or nullopt when the key is absent or has no value.
    std::optional<QString> value(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    /// The section names as spelled at their first occurrence, in file order.
    QStringList sections() const;
    /// The keys of a section as first spelled, in file order, those without a value included.
    QStringList keys(const QString &section) const;

private:
    struct Section {
        QString name;
        QStringList keyOrder;
        QHash<QString, std::optional<QString>> values; // by folded key
    };

    void parse(const QString &text);

    QList<Section> m_sections;
    QHash<QString, qsizetype> m_index; // folded section name -> position in m_sections
};

} // namespace rtl
