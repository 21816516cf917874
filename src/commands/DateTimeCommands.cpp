#include "DateTimeCommands.h"

#include "CaretInsertion.h"
#include "fDatumACas.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/rtl/FormatDateTime.h"

namespace commands {
namespace {

void insertNow(richedit::RichEditControl &editor, const Clock &clock, const char *pattern)
{
    InsertText(editor, rtl::FormatDateTime(QString::fromLatin1(pattern), clock()));
    editor.setFocus();
}

} // namespace

void bVlozitDatumClick(richedit::RichEditControl &editor, const Clock &clock)
{
    insertNow(editor, clock, datePattern);
}

void bVlozitCasClick(richedit::RichEditControl &editor, const Clock &clock)
{
    insertNow(editor, clock, timePattern);
}

void bVlozitDatumCasClick(TfDatumCas &fDatumCas)
{
    fDatumCas.exec();
}

} // namespace commands
