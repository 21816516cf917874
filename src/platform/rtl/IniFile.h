#pragma once

#include "Error.h"

#include <QString>

#include <optional>

namespace rtl {

/// A failed write to an INI file; the message is "Unable to write to <path>".
class IniWriteError : public platform::Error {
public:
    explicit IniWriteError(const QString &path);
};

/// An INI file read and written key by key, like the private-profile functions:
/// every call opens the file, does its one read or write and closes it again, so
/// nothing is cached and two programs sharing the file each win the keys they wrote.
///
/// Section and key names match without regard to case. A write replaces an existing
/// value in place, appends a new key at the end of its section and a new section at the
/// end of the file; the first write creates the file. Text is UTF-8 (a byte order
/// mark is accepted on reading).
class IniFile {
public:
    explicit IniFile(QString path);

    const QString &fileName() const { return m_path; }

    /// At most `maxValueLength` characters of the value, or `defaultValue` when absent.
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    /// Decimal, or hexadecimal after "0x"; anything that is not a number gives the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    /// Any number other than zero is true.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    static constexpr int maxValueLength = 2047;

private:
    QString m_path;
};

/// Parses an INI integer: decimal with an optional sign, or "0x" followed by hex digits.
std::optional<int> parseIniInteger(const QString &text);

} // namespace rtl
