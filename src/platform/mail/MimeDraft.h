#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace mail {

/// An unsent message (RFC 5322 with MIME) whose only part is `html`, in UTF-8 and base64.
/// "X-Unsent: 1" makes mail programs open it as a new message to edit, not as received mail.
QByteArray mimeDraft(const QString &html, const QDateTime &date);

} // namespace mail
