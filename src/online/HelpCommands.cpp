#include "HelpCommands.h"

#include "BuildInfo.h"
#include "oaplikaci.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Dialogs.h"

#include <QFileInfo>

namespace online {

void bNapovedaPrejitNaWebClick(shell::Shell &shell)
{
    shell.ShellExecute(QStringLiteral("open"), buildinfo::webAddress(), shell::SW_SHOWNORMAL);
}

void BNapovedaCoJeNovehoClick(ui::Dialogs &dialogs, shell::Shell &shell, const QString &programFolder)
{
    const QString path = rtl::withTrailingSeparator(programFolder) + QStringLiteral("changelog.txt");
    if (QFileInfo(path).isFile())
        shell.ShellExecute(QStringLiteral("open"), path, shell::SW_SHOWNORMAL);
    else
        dialogs.message(QStringLiteral("Soubor changelog.txt nebyl nalezen!"));
}

void bNapovedaOAplikaciClick(Tfoaplikaci &about, QWidget *mainWindow)
{
    about.showModalCentredOn(mainWindow);
}

} // namespace online
