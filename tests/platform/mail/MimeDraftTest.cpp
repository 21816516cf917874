#include "platform/mail/MimeDraft.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

TEST(MimeDraft, IsAnUnsentHtmlMessageWithoutRecipientOrSubject)
{
    const QDateTime date(QDate(2026, 3, 7), QTime(9, 5, 1), QTimeZone(3600));
    const QByteArray draft = mail::mimeDraft(QStringLiteral("<p>Ahoj</p>"), date);
    const qsizetype split = draft.indexOf("\r\n\r\n");
    ASSERT_GT(split, 0);
    const QList<QByteArray> headers = draft.left(split).split('\n');
    QList<QByteArray> expected{"MIME-Version: 1.0\r", "Date: Sat, 07 Mar 2026 09:05:01 +0100\r", "X-Unsent: 1\r",
                               "Content-Type: text/html; charset=UTF-8\r", "Content-Transfer-Encoding: base64"};
    EXPECT_EQ(headers, expected);
    EXPECT_EQ(QByteArray::fromBase64(draft.mid(split + 4)), QByteArray("<p>Ahoj</p>"));
}

TEST(MimeDraft, BodyLinesStayWithinSeventySixCharacters)
{
    const QString html = QStringLiteral("<p>%1</p>").arg(QString(3000, QChar(0x17E))); // ž
    const QByteArray draft = mail::mimeDraft(html, QDateTime(QDate(2026, 1, 1), QTime(0, 0), QTimeZone::utc()));
    const QByteArray body = draft.mid(draft.indexOf("\r\n\r\n") + 4);
    EXPECT_TRUE(draft.contains("Date: Thu, 01 Jan 2026 00:00:00 +0000\r\n"));
    for (const QByteArray &line : body.split('\n'))
        EXPECT_LE(line.size(), 77); // 76 characters and the carriage return
    EXPECT_TRUE(body.endsWith("\r\n"));
    EXPECT_EQ(QString::fromUtf8(QByteArray::fromBase64(body)), html);
}

} // namespace
