#pragma once

#include "platform/rtl/Error.h"

#include <QString>

namespace mail {

/// The mail program could not be reached or refused the message.
class Error : public platform::Error {
public:
    using platform::Error::Error;
};

/// Opens a new message in the user's mail program for the user to complete and send.
/// Both calls return once the mail program has the message; neither sends anything.
/// Failures throw `mail::Error` with a message that says why.
class MailClient {
public:
    virtual ~MailClient() = default;
    /// A new message with the file attached; no recipient, no subject.
    virtual void composeWithAttachment(const QString &filePath) = 0;
    /// A new message whose body is `html`; no recipient, no subject.
    virtual void composeWithHtmlBody(const QString &html) = 0;
};

} // namespace mail
