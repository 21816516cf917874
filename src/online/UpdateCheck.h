#pragma once

#include "MessageTexts.h"

#include <QString>

namespace ui {
class Dialogs;
}
namespace shell {
class Shell;
}
class Tfoaplikaci;

namespace online {

/// Where the online services live. `fromBuild()` gives the configured hosts; tests point
/// them at a local server and give its certificate authority.
struct OnlineEndpoints {
    QString updateHost; // "host" or "host:port"
    QString pingHost;
    QString caFile;     // empty: the system's trusted authorities

    static OnlineEndpoints fromBuild();
    QString versionFileAddress() const;
    QString downloadPageAddress() const;
};

/// The program's four-part file version, "3.25.11.0".
QString GetCurrentVersion();

/// The version file's body from the update host, trimmed of white space and control
/// characters at both ends. Blocking GET over TLS 1.2 only, certificates verified, given
/// 10 s to connect and 20 s more to answer.
/// Throws `net::Error` with libcurl's own error text.
QString GetLatestVersion(const OnlineEndpoints &endpoints = OnlineEndpoints::fromBuild());

/// Compares `displayVersion` with the update host's and says so, or offers the download page.
/// Every failure shows "Nepodařilo se ověřit aktualizaci: " and the error's text.
void bNapovedaKontrolaNoveVerzeClick(const QString &displayVersion, ui::Dialogs &dialogs, shell::Shell &shell,
                                     const MessageTexts &texts,
                                     const OnlineEndpoints &endpoints = OnlineEndpoints::fromBuild());
/// The same, with the display version read from the About window's `lVerzeCislo`.
void bNapovedaKontrolaNoveVerzeClick(const Tfoaplikaci &about, ui::Dialogs &dialogs, shell::Shell &shell,
                                     const MessageTexts &texts,
                                     const OnlineEndpoints &endpoints = OnlineEndpoints::fromBuild());

/// `text` without characters of code 32 or less at either end.
QString trimControls(const QString &text);

} // namespace online
