#pragma once

#include "MessageTexts.h"

namespace ui {
class Dialogs;
}
namespace mail {
class MailClient;
}

namespace online {

class DocumentSaver;

/// Send as attachment: asks for a name (proposing "Dokument.docx"), writes the document as
/// .docx into the TEMP folder under that name and opens a new message with it attached.
/// A failure of the mail program is shown as "Nepodařilo se otevřít Outlook: " and its
/// reason; a failure to write the file is thrown to the handler guard.
void OdeslatJakoPrilohu(ui::Dialogs &dialogs, DocumentSaver &document, mail::MailClient &mail,
                        const MessageTexts &texts);

/// Send in the message body: exports the document as HTML into memory and opens a new
/// message with it as the body. Mail failures are shown as above; export failures thrown.
void bSouborOdeslatJakoTeloMailuClick(ui::Dialogs &dialogs, DocumentSaver &document, mail::MailClient &mail);

/// The fixed prefix of every mail failure message.
inline constexpr char16_t mailFailurePrefix[] = u"Nepodařilo se otevřít Outlook: ";

} // namespace online
