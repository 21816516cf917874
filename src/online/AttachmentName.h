#pragma once

#include <QString>

namespace online {

/// The attachment's file name: the typed text, with ".docx" appended unless its lower-case
/// form (by the user's locale) already ends in ".docx"; letter case is kept as typed.
QString attachmentFileName(const QString &typed);

/// Whether joining `name` to a folder could reach outside it: it holds "/" or "..".
bool leavesFolder(const QString &name);

/// Shown when the typed name would leave the TEMP folder.
QString attachmentNameRefused();

} // namespace online
