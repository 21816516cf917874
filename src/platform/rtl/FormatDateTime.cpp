#include "FormatDateTime.h"

#include <algorithm>

namespace rtl {
namespace {

QChar lowerAt(const QString &text, qsizetype i)
{
    return i < text.size() ? text.at(i).toLower() : QChar();
}

/// Length of the am/pm element that starts at `i` ("am/pm", "a/p" or "ampm"), 0 for none.
qsizetype amPmLengthAt(const QString &pattern, qsizetype i)
{
    for (const QLatin1StringView element : {QLatin1StringView("am/pm"), QLatin1StringView("a/p"),
                                            QLatin1StringView("ampm")}) {
        if (pattern.mid(i, element.size()).compare(element, Qt::CaseInsensitive) == 0)
            return element.size();
    }
    return 0;
}

/// Index just past the quoted text that starts at `i` (an unclosed quote runs to the end).
qsizetype endOfQuote(const QString &pattern, qsizetype i)
{
    const qsizetype close = pattern.indexOf(QLatin1Char('"'), i + 1);
    return close < 0 ? pattern.size() : close + 1;
}

/// Where the last am/pm element of the pattern starts, -1 when there is none. Hours before
/// it count on a 12-hour clock.
qsizetype lastAmPmElement(const QString &pattern)
{
    qsizetype last = -1;
    for (qsizetype i = 0; i < pattern.size();) {
        if (pattern.at(i) == QLatin1Char('"')) {
            i = endOfQuote(pattern, i);
        } else if (const qsizetype length = amPmLengthAt(pattern, i)) {
            last = i;
            i += length;
        } else {
            ++i;
        }
    }
    return last;
}

/// The am/pm element's word for `time`, taking each letter's case from the pattern.
QString amPmText(const QString &element, const QTime &time, const QLocale &locale)
{
    const bool afternoon = time.hour() >= 12;
    if (element.size() == 4) // "ampm": the locale's own words
        return afternoon ? locale.pmText() : locale.amText();
    const qsizetype slash = element.indexOf(QLatin1Char('/'));
    return afternoon ? element.mid(slash + 1) : element.left(slash);
}

QString number(int value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

class Formatter {
public:
    Formatter(const QString &pattern, const QDateTime &value, const QLocale &locale)
        : m_pattern(pattern), m_date(value.date()), m_time(value.time()), m_locale(locale),
          m_lastAmPm(lastAmPmElement(pattern))
    {
    }

    QString run()
    {
        for (qsizetype i = 0; i < m_pattern.size();)
            i = step(i);
        return m_out;
    }

private:
    /// Formats the element at `i` and returns where the next one starts.
    qsizetype step(qsizetype i)
    {
        const QChar c = m_pattern.at(i);
        if (c == QLatin1Char('"')) {
            const qsizetype end = endOfQuote(m_pattern, i);
            const bool closed = end - 1 > i && m_pattern.at(end - 1) == QLatin1Char('"');
            m_out += m_pattern.mid(i + 1, end - i - 1 - (closed ? 1 : 0));
            return end;
        }
        if (c == QLatin1Char(':')) {
            m_out += timeSeparator(m_locale);
            return i + 1;
        }
        if (const qsizetype length = amPmLengthAt(m_pattern, i)) {
            m_out += amPmText(m_pattern.mid(i, length), m_time, m_locale);
            m_afterHour = false;
            return i + length;
        }
        const QChar letter = c.toLower();
        qsizetype run = 1;
        while (lowerAt(m_pattern, i + run) == letter)
            ++run;
        if (!letterElement(letter, run, i)) {
            m_out += c;
            return i + 1;
        }
        return i + run;
    }

    /// Appends a run of `count` equal letters; false when the letter is no element.
    bool letterElement(QChar letter, qsizetype count, qsizetype at)
    {
        const bool afterHour = m_afterHour;
        m_afterHour = false;
        switch (letter.unicode()) {
        case 'y':
            m_out += count <= 2 ? number(m_date.year() % 100, 2) : number(m_date.year(), 4);
            return true;
        case 'm':
            if (count <= 2 && afterHour)
                m_out += number(m_time.minute(), int(count));
            else if (count <= 2)
                m_out += number(m_date.month(), int(count));
            else // The nominative form: the name stands alone, as in a calendar heading.
                m_out += m_locale.standaloneMonthName(m_date.month(), count == 3 ? QLocale::ShortFormat
                                                                                   : QLocale::LongFormat);
            return true;
        case 'd':
            if (count <= 2)
                m_out += number(m_date.day(), int(count));
            else
                m_out += m_locale.dayName(m_date.dayOfWeek(), count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            return true;
        case 'h':
            m_out += number(hour(at), int(std::min<qsizetype>(count, 2)));
            m_afterHour = true;
            return true;
        case 'n':
            m_out += number(m_time.minute(), int(std::min<qsizetype>(count, 2)));
            return true;
        case 's':
            m_out += number(m_time.second(), int(std::min<qsizetype>(count, 2)));
            return true;
        case 'z':
            m_out += number(m_time.msec(), count >= 3 ? 3 : 1);
            return true;
        default:
            m_afterHour = afterHour; // a plain letter is text, not an element
            return false;
        }
    }

    int hour(qsizetype at) const
    {
        if (m_lastAmPm <= at)
            return m_time.hour();
        const int twelve = m_time.hour() % 12;
        return twelve == 0 ? 12 : twelve;
    }

    const QString &m_pattern;
    const QDate m_date;
    const QTime m_time;
    const QLocale &m_locale;
    const qsizetype m_lastAmPm;
    bool m_afterHour = false;
    QString m_out;
};

} // namespace

QString FormatDateTime(const QString &pattern, const QDateTime &value, const QLocale &locale)
{
    return Formatter(pattern, value, locale).run();
}

QString timeSeparator(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    const qsizetype hour = format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    const qsizetype minute = format.indexOf(QLatin1Char('m'), hour + 1);
    if (hour < 0 || minute < 0)
        return QStringLiteral(":");
    qsizetype start = hour;
    while (start < minute && format.at(start).toLower() == QLatin1Char('h'))
        ++start;
    QString separator = format.mid(start, minute - start);
    separator.remove(QLatin1Char('\''));
    return separator.isEmpty() ? QStringLiteral(":") : separator;
}

} // namespace rtl
