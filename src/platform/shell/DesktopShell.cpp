#include "DesktopShell.h"

#include "HelperLauncher.h"

#include <utility>

namespace shell {

int shellCodeForOpenerExit(int exitCode)
{
    // xdg-open: 1 bad arguments, 2 missing file, 3 no handler, 4 handler failed, 5 not readable.
    switch (exitCode) {
    case 0: return ShellSuccess;
    case 1: return ERROR_BAD_FORMAT;
    case 2: return SE_ERR_FNF;
    case 3: return SE_ERR_NOASSOC;
    case 5: return SE_ERR_ACCESSDENIED;
    default: return SE_ERR_DDEFAIL;
    }
}

DesktopShell::DesktopShell(QString opener, std::chrono::milliseconds handOff)
    : m_opener(std::move(opener)), m_handOff(handOff)
{
}

int DesktopShell::ShellExecute(const QString &operation, const QString &file, int)
{
    if (!operation.isEmpty() && operation.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return SE_ERR_NOASSOC;
    if (file.isEmpty())
        return SE_ERR_FNF;
    const LaunchResult launched = launchHelper(m_opener, {file}, m_handOff);
    switch (launched.status) {
    case LaunchResult::Status::NotStarted: return SE_ERR_NOASSOC;
    case LaunchResult::Status::StillRunning: return ShellSuccess;
    case LaunchResult::Status::Finished: break;
    }
    return shellCodeForOpenerExit(launched.exitCode);
}

} // namespace shell
