#pragma once

#include "Clock.h"

class TfDatumCas;

namespace richedit {
class RichEditControl;
}

namespace commands {

/// The pattern of "Datum" and of "Čas".
inline constexpr const char *datePattern = "dd.mm.yyyy";
inline constexpr const char *timePattern = "hh:nn:ss";

/// "Datum": inserts today's date at the caret and gives the editor the keyboard focus.
void bVlozitDatumClick(richedit::RichEditControl &editor, const Clock &clock = systemClock);
/// "Čas": inserts the current time the same way.
void bVlozitCasClick(richedit::RichEditControl &editor, const Clock &clock = systemClock);
/// "Datum a čas": shows the date-and-time dialog modally and returns when it closes.
void bVlozitDatumCasClick(TfDatumCas &fDatumCas);

} // namespace commands
