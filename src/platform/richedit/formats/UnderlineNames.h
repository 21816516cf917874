#pragma once

#include "platform/richedit/model/Properties.h"

namespace richedit {

/// The names each format gives an underline kind: Office Open XML's w:u value and the RTF
/// control word. Readers and writers of both formats look them up here.
struct UnderlineName {
    UnderlineType type;
    const char *docx;
    const char *rtf;
};

inline constexpr UnderlineName underlineNames[] = {
    {UnderlineType::None, "none", "ulnone"},
    {UnderlineType::Single, "single", "ul"},
    {UnderlineType::Words, "words", "ulw"},
    {UnderlineType::Double, "double", "uldb"},
    {UnderlineType::Thick, "thick", "ulth"},
    {UnderlineType::Dotted, "dotted", "uld"},
    {UnderlineType::Dash, "dash", "uldash"},
    {UnderlineType::DotDash, "dotDash", "uldashd"},
    {UnderlineType::DotDotDash, "dotDotDash", "uldashdd"},
    {UnderlineType::Wave, "wave", "ulwave"},
    {UnderlineType::DoubleWave, "wavyDouble", "ululdbwave"},
};

} // namespace richedit
