#pragma once

#include <QString>
#include <QStringList>

namespace richedit {

/// The formats the engine knows. `OpenXml` is .docx, `Doc` Word 97–2003.
enum class DocumentFormat { Undefined, PlainText, Rtf, Html, OpenXml, Doc };

} // namespace richedit
