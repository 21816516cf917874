#include "EmailCommands.h"

#include "AttachmentName.h"
#include "DocumentSaver.h"
#include "platform/mail/MailClient.h"
#include "platform/rtl/Paths.h"
#include "platform/ui/Dialogs.h"

#include <QBuffer>

#include <exception>
#include <functional>

namespace online {
namespace {

void handToMail(ui::Dialogs &dialogs, const std::function<void()> &step)
{
    try {
        step();
    } catch (const std::exception &error) {
        dialogs.message(QString::fromUtf16(mailFailurePrefix) + QString::fromUtf8(error.what()));
    }
}

} // namespace

void OdeslatJakoPrilohu(ui::Dialogs &dialogs, DocumentSaver &document, mail::MailClient &mail,
                        const MessageTexts &texts)
{
    const std::optional<QString> typed = dialogs.input(QStringLiteral("TAVEL Editor"), texts.ZadejteNazevSouboru,
                                                       QStringLiteral("Dokument.docx"));
    if (!typed || typed->isEmpty())
        return;
    const QString name = attachmentFileName(*typed);
    if (leavesFolder(name)) {
        dialogs.message(attachmentNameRefused());
        return;
    }
    const QString path = rtl::tempFolder() + name;
    document.saveToFile(path, richedit::DocumentFormat::OpenXml);
    handToMail(dialogs, [&] { mail.composeWithAttachment(path); });
}

void bSouborOdeslatJakoTeloMailuClick(ui::Dialogs &dialogs, DocumentSaver &document, mail::MailClient &mail)
{
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    document.saveToStream(stream, richedit::DocumentFormat::Html);
    stream.seek(0);
    handToMail(dialogs, [&] { mail.composeWithHtmlBody(QString::fromUtf8(stream.readAll())); });
}

} // namespace online
