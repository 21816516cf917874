#pragma once

#include <QString>

namespace rtl {

/// The folder of the running program, with a trailing "/"; data files sit beside it.
QString programFolder();

/// "$APPDATA/TAVEL Editor/" when APPDATA is set, else "TAVEL Editor/" in the XDG config folder.
QString settingsFolder();

/// The settings file, formed afresh on every call: settingsFolder() + "settings.ini".
QString settingsFilePath();

/// The folder named by TEMP, else the system's temporary folder; with a trailing "/".
QString tempFolder();

/// `folder` with a "/" appended unless it already ends in one.
QString withTrailingSeparator(const QString &folder);

} // namespace rtl
