#pragma once

#include "MailClient.h"

#include <chrono>

namespace mail {

/// The desktop's mail program. An attachment goes through `xdg-email --attach FILE`; an
/// HTML body is written as a draft message file ("*.eml") and handed to the desktop's
/// opener, which starts the mail program registered for messages. A helper that is still
/// running after the hand-off time has passed the message on and is left to run.
class DesktopMail final : public MailClient {
public:
    struct Programs {
        QString email = QStringLiteral("xdg-email");
        QString opener = QStringLiteral("xdg-open");
        /// Where drafts are written; empty means the TEMP folder. Drafts are not deleted:
        /// the mail program reads them after we return.
        QString draftFolder;
        std::chrono::milliseconds handOff{2000};
    };

    DesktopMail() = default;
    explicit DesktopMail(Programs programs) : m_programs(std::move(programs)) {}

    void composeWithAttachment(const QString &filePath) override;
    void composeWithHtmlBody(const QString &html) override;

    /// The draft file the last `composeWithHtmlBody` wrote.
    QString lastDraftPath() const { return m_lastDraft; }

private:
    void run(const QString &program, const QStringList &arguments);
    QString writeDraft(const QString &html);

    Programs m_programs;
    QString m_lastDraft;
};

} // namespace mail
