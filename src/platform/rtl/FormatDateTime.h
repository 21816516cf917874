#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace rtl {

/// Formats a date and time with a pattern of the classic desktop runtime's date-time
/// language. Letters are case-insensitive:
///   yy, yyyy      the year with two, with four digits
///   m, mm         the month number without, with a leading zero; minutes instead when the
///                 last letter element before it was an hour
///   mmm, mmmm     the short, the long month name of `locale`
///   d, dd         the day of the month without, with a leading zero
///   ddd, dddd     the short, the long day name of `locale`
///   h, hh         the hour without, with a leading zero; 1 to 12 when an am/pm element
///                 follows somewhere in the pattern, else 0 to 23
///   n, nn         the minute;  s, ss  the second;  z, zzz  the millisecond
///   am/pm, a/p    before noon the first word, from noon on the second, in the pattern's case
///   :             the time separator of `locale`
///   "text"        copied without the quotes
/// Every other character is copied as it is.
QString FormatDateTime(const QString &pattern, const QDateTime &value,
                       const QLocale &locale = QLocale::system());

/// The character that separates hours, minutes and seconds in `locale`'s short time format.
QString timeSeparator(const QLocale &locale);

} // namespace rtl
