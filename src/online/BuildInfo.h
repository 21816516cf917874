#pragma once

#include <QString>

/// Facts fixed when the program is built.
namespace buildinfo {

/// The program's four-part file version, "3.25.11.0"; the usage ping sends it.
QString fileVersion();
/// The version the About window shows and the update check compares, "3.25.11".
QString displayVersion();
/// Host (optionally with ":port") of the version file and the download page.
QString updateHost();
/// Host (optionally with ":port") of the usage ping.
QString pingHost();
/// The maker's web page.
QString webAddress();
/// The maker's contact e-mail address.
QString contactMail();
/// The author's name.
QString authorName();

} // namespace buildinfo
