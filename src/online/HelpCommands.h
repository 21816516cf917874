#pragma once

#include "platform/rtl/Paths.h"

#include <QString>

class QWidget;
class Tfoaplikaci;
namespace ui {
class Dialogs;
}
namespace shell {
class Shell;
}

namespace online {

/// Opens the maker's web page; the shell's answer is not examined.
void bNapovedaPrejitNaWebClick(shell::Shell &shell);

/// Opens "changelog.txt" from the program's folder, or says it is missing.
void BNapovedaCoJeNovehoClick(ui::Dialogs &dialogs, shell::Shell &shell,
                              const QString &programFolder = rtl::programFolder());

/// Shows the About window modally, centred on `mainWindow`.
void bNapovedaOAplikaciClick(Tfoaplikaci &about, QWidget *mainWindow);

} // namespace online
