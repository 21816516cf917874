#pragma once

#include <QCoreApplication>
#include <QString>

namespace richedit {

/// A message of the editor commands in the interface language. The English text is the key
/// the localizer files translate (context "richedit::Commands").
inline QString commandText(const char *english)
{
    return QCoreApplication::translate("richedit::Commands", english);
}

} // namespace richedit
