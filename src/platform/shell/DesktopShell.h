#pragma once

#include "Shell.h"

#include <chrono>

namespace shell {

/// The desktop's opener (xdg-open). Its exit codes become the Windows-style codes of
/// `Shell`; an opener still running after the hand-off time has handed the target over
/// to a program that stays open, which counts as success.
class DesktopShell final : public Shell {
public:
    explicit DesktopShell(QString opener = QStringLiteral("xdg-open"),
                          std::chrono::milliseconds handOff = std::chrono::milliseconds(2000));

    int ShellExecute(const QString &operation, const QString &file, int showCommand) override;

private:
    QString m_opener;
    std::chrono::milliseconds m_handOff;
};

/// The `Shell` code for an exit code of xdg-open.
int shellCodeForOpenerExit(int exitCode);

} // namespace shell
