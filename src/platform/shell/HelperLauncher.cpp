#include "HelperLauncher.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char **environ;

namespace shell {
namespace {

// The intermediate child tells the parent what happened in one fixed-size record.
struct Verdict {
    int finished; // 1 when the helper ended within the hand-off time
    int status;   // its wait status then
};

long long monotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Runs in the grandchild between fork and exec: only async-signal-safe calls.
[[noreturn]] void execHelper(const char *path, char *const argv[], int errorFd)
{
    const int devNull = ::open("/dev/null", O_RDWR);
    if (devNull >= 0) {
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
        if (devNull > STDERR_FILENO)
            ::close(devNull);
    }
    ::dup2(errorFd, STDERR_FILENO);
    if (errorFd != STDERR_FILENO)
        ::close(errorFd);
    ::setsid(); // the helper and what it starts outlive us and our terminal
    ::execve(path, argv, environ);
    ::_exit(127);
}

// Runs in the intermediate child: waits for the helper at most `handOffMs`, reports, exits.
// Exiting hands a helper that is still running over to init, which reaps it.
[[noreturn]] void superviseHelper(const char *path, char *const argv[], int errorFd, int verdictFd,
                                  long long handOffMs)
{
    const pid_t helper = ::fork();
    if (helper == 0)
        execHelper(path, argv, errorFd);
    Verdict verdict{0, 0};
    if (helper < 0) {
        verdict = {1, 127 << 8};
    } else {
        const long long deadline = monotonicMs() + handOffMs;
        for (;;) {
            int status = 0;
            const pid_t done = ::waitpid(helper, &status, WNOHANG);
            if (done == helper) {
                verdict = {1, status};
                break;
            }
            if (monotonicMs() >= deadline)
                break;
            const timespec pause{0, 10 * 1000 * 1000};
            ::nanosleep(&pause, nullptr);
        }
    }
    [[maybe_unused]] const ssize_t written = ::write(verdictFd, &verdict, sizeof verdict);
    ::_exit(0);
}

QString resolveProgram(const QString &program)
{
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

QString readAvailable(int fd)
{
    QByteArray text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0 || text.size() > 64 * 1024)
            break;
        text.append(buffer, got);
    }
    return QString::fromLocal8Bit(text).trimmed();
}

struct Pipe {
    int fds[2] = {-1, -1};
    bool open() { return ::pipe2(fds, O_CLOEXEC) == 0; }
    void closeEnd(int end)
    {
        if (fds[end] >= 0)
            ::close(fds[end]);
        fds[end] = -1;
    }
    ~Pipe()
    {
        closeEnd(0);
        closeEnd(1);
    }
};

} // namespace

LaunchResult launchHelper(const QString &program, const QStringList &arguments, std::chrono::milliseconds handOff)
{
    LaunchResult result;
    const QString path = resolveProgram(program);
    if (path.isEmpty())
        return result;

    // Everything the children need is prepared here: after fork they may not allocate.
    const std::string pathBytes = path.toStdString();
    std::vector<std::string> words{QFileInfo(program).fileName().toStdString()};
    for (const QString &argument : arguments)
        words.push_back(argument.toLocal8Bit().toStdString());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    Pipe errors;
    Pipe verdicts;
    if (!errors.open() || !verdicts.open())
        return result;
    // The helper's error output must survive the exec, so only that end loses CLOEXEC there.
    const int errorWrite = ::dup(errors.fds[1]);
    if (errorWrite < 0)
        return result;

    const pid_t supervisor = ::fork();
    if (supervisor == 0)
        superviseHelper(pathBytes.c_str(), argv.data(), errorWrite, verdicts.fds[1], handOff.count());
    ::close(errorWrite);
    if (supervisor < 0)
        return result;
    errors.closeEnd(1);
    verdicts.closeEnd(1);

    int supervisorStatus = 0;
    while (::waitpid(supervisor, &supervisorStatus, 0) < 0 && errno == EINTR) {
    }
    Verdict verdict{0, 0};
    if (::read(verdicts.fds[0], &verdict, sizeof verdict) != static_cast<ssize_t>(sizeof verdict))
        return result;

    ::fcntl(errors.fds[0], F_SETFL, O_NONBLOCK);
    result.errorOutput = readAvailable(errors.fds[0]);
    if (!verdict.finished) {
        result.status = LaunchResult::Status::StillRunning;
        return result;
    }
    result.status = LaunchResult::Status::Finished;
    if (WIFEXITED(verdict.status))
        result.exitCode = WEXITSTATUS(verdict.status);
    else if (WIFSIGNALED(verdict.status))
        result.exitCode = 128 + WTERMSIG(verdict.status);
    if (result.exitCode == 127 && result.errorOutput.isEmpty())
        result.status = LaunchResult::Status::NotStarted;
    return result;
}

} // namespace shell
