#pragma once

#include <QImage>
#include <QString>

namespace richedit {
class RichEditControl;
}

namespace commands {

/// "Jako prostý text": replaces the selection (or inserts at the caret) with the clipboard's
/// text, without the source's formatting. Without text on the clipboard nothing changes.
void VlozitProstyText(richedit::RichEditControl &editor);

/// "Jako obrázek": inserts the clipboard's text at the caret as a picture, the text drawn on
/// one line on white. Selected text stays. Without text on the clipboard nothing changes; text
/// too long for a picture throws `platform::Error`.
void InsertClipboardTextAsImage(richedit::RichEditControl &ARichEdit);

/// The picture of `text`: "Segoe UI" 12 pt at the screen's resolution (fontconfig picks the
/// font that stands in for it), one line (line breaks and tabs drawn as blanks), 10 pixels of
/// white left and right, 5 above and below, 32 bits per pixel.
QImage clipboardTextPicture(const QString &text);

/// The resolution of the screen, at which "12 points" and the picture are measured.
qreal screenDotsPerInch();

} // namespace commands
