#include "UpdateCheck.h"

#include "BuildInfo.h"
#include "oaplikaci.h"
#include "platform/net/HttpsGet.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Dialogs.h"

#include <QLabel>

#include <exception>

namespace online {

OnlineEndpoints OnlineEndpoints::fromBuild()
{
    return {buildinfo::updateHost(), buildinfo::pingHost(), QString()};
}

QString OnlineEndpoints::versionFileAddress() const
{
    return QStringLiteral("https://%1/version.txt").arg(updateHost);
}

QString OnlineEndpoints::downloadPageAddress() const
{
    return QStringLiteral("https://%1/en/download/").arg(updateHost);
}

QString GetCurrentVersion()
{
    return buildinfo::fileVersion();
}

QString trimControls(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= 32)
        ++first;
    while (last > first && text.at(last - 1).unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

QString GetLatestVersion(const OnlineEndpoints &endpoints)
{
    net::GetOptions options;
    options.tls12Only = true;
    // The check blocks the window, so a server that never answers must not hang it for good.
    options.connectTimeout = std::chrono::seconds(10);
    options.responseTimeout = std::chrono::seconds(20);
    options.caFile = endpoints.caFile;
    return trimControls(QString::fromUtf8(net::httpsGet(endpoints.versionFileAddress(), options)));
}

void bNapovedaKontrolaNoveVerzeClick(const QString &displayVersion, ui::Dialogs &dialogs, shell::Shell &shell,
                                     const MessageTexts &texts, const OnlineEndpoints &endpoints)
{
    try {
        const QString latest = GetLatestVersion(endpoints);
        if (latest == displayVersion) {
            dialogs.message(texts.PouzivateNejnovejsiVerzi);
            return;
        }
        const QString question = texts.NovaVerzeBylaNalezena + latest + QStringLiteral("\r\n") + texts.PrejeteSiStahnout;
        if (dialogs.confirm(question))
            shell.ShellExecute(QStringLiteral("open"), endpoints.downloadPageAddress(), shell::SW_SHOWNORMAL);
    } catch (const std::exception &error) {
        dialogs.message(QStringLiteral("Nepodařilo se ověřit aktualizaci: ") + QString::fromUtf8(error.what()));
    }
}

void bNapovedaKontrolaNoveVerzeClick(const Tfoaplikaci &about, ui::Dialogs &dialogs, shell::Shell &shell,
                                     const MessageTexts &texts, const OnlineEndpoints &endpoints)
{
    bNapovedaKontrolaNoveVerzeClick(about.lVerzeCislo->text(), dialogs, shell, texts, endpoints);
}

} // namespace online
