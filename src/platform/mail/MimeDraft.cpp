#include "MimeDraft.h"

#include <QLocale>

namespace mail {
namespace {

QByteArray rfc5322Date(const QDateTime &date)
{
    // Day and month names must be English whatever the user's locale.
    const int offsetMinutes = date.offsetFromUtc() / 60;
    const int absolute = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    const QString zone = QStringLiteral("%1%2%3")
                             .arg(offsetMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                             .arg(absolute / 60, 2, 10, QLatin1Char('0'))
                             .arg(absolute % 60, 2, 10, QLatin1Char('0'));
    return (QLocale::c().toString(date, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss ")) + zone).toLatin1();
}

QByteArray base64Lines(const QByteArray &data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray lines;
    for (qsizetype at = 0; at < encoded.size(); at += 76)
        lines += encoded.mid(at, 76) + "\r\n";
    return lines;
}

} // namespace

QByteArray mimeDraft(const QString &html, const QDateTime &date)
{
    QByteArray message;
    message += "MIME-Version: 1.0\r\n";
    message += "Date: " + rfc5322Date(date) + "\r\n";
    message += "X-Unsent: 1\r\n";
    message += "Content-Type: text/html; charset=UTF-8\r\n";
    message += "Content-Transfer-Encoding: base64\r\n";
    message += "\r\n";
    message += base64Lines(html.toUtf8());
    return message;
}

} // namespace mail
