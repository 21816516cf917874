#include "DocumentSaver.h"

#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/view/RichEditControl.h"

namespace online {

void RichEditSaver::saveToFile(const QString &path, richedit::DocumentFormat format)
{
    richedit::writeDocument(m_control.document(), path, format);
}

void RichEditSaver::saveToStream(QIODevice &out, richedit::DocumentFormat format)
{
    m_control.SaveDocument(out, format);
}

} // namespace online
