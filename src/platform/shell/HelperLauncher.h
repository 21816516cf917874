#pragma once

#include <QString>
#include <QStringList>

#include <chrono>

namespace shell {

/// What became of a desktop helper (xdg-open, xdg-email) that was started.
struct LaunchResult {
    enum class Status {
        NotStarted,   // the program is missing or cannot be run
        Finished,     // it ended within the hand-off time; see exitCode
        StillRunning, // it is still working (e.g. the program it opened runs in its place)
    };
    Status status = Status::NotStarted;
    int exitCode = 0;     // for Finished; 128 + signal number when a signal ended it
    QString errorOutput;  // what it wrote to its error output so far, trimmed
};

/// Starts `program` with `arguments` and waits at most `handOff` for it to end, so that a
/// helper which fails at once reports why. A helper still running after that is left to
/// run on its own, outside this process, and is never waited for again.
LaunchResult launchHelper(const QString &program, const QStringList &arguments, std::chrono::milliseconds handOff);

} // namespace shell
