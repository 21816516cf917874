#include "platform/shell/DesktopShell.h"
#include "platform/shell/HelperLauncher.h"

#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// A stand-in for xdg-open: records its arguments one per line, then runs `tail`.
QString fakeOpener(const TempDir &dir, const QByteArray &tail)
{
    const QString path = dir.write(QStringLiteral("opener"), "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \""
                                                                 + dir.path(QStringLiteral("args")).toUtf8() + "\"\n"
                                                                 + tail + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

struct ExitCase {
    int exitCode;
    int shellCode;
};

class DesktopShellExit : public testing::TestWithParam<ExitCase> {};

TEST_P(DesktopShellExit, BecomesTheWindowsStyleCode)
{
    TempDir dir;
    shell::DesktopShell desktop(fakeOpener(dir, "exit " + QByteArray::number(GetParam().exitCode)));
    const int result = desktop.ShellExecute(QStringLiteral("open"), QStringLiteral("https://example.invalid/a b"),
                                            shell::SW_SHOWNORMAL);
    EXPECT_EQ(result, GetParam().shellCode);
    EXPECT_EQ(shell::shellSucceeded(result), GetParam().exitCode == 0);
    EXPECT_EQ(dir.read(QStringLiteral("args")), QByteArray("https://example.invalid/a b\n"));
}

INSTANTIATE_TEST_SUITE_P(XdgOpenExitCodes, DesktopShellExit,
                         testing::Values(ExitCase{0, shell::ShellSuccess}, ExitCase{1, shell::ERROR_BAD_FORMAT},
                                         ExitCase{2, shell::SE_ERR_FNF}, ExitCase{3, shell::SE_ERR_NOASSOC},
                                         ExitCase{4, shell::SE_ERR_DDEFAIL}, ExitCase{5, shell::SE_ERR_ACCESSDENIED}));

TEST(DesktopShell, DefaultVerbOpensToo)
{
    TempDir dir;
    shell::DesktopShell desktop(fakeOpener(dir, "exit 0"));
    EXPECT_EQ(desktop.ShellExecute(QString(), QStringLiteral("mailto:a@b.invalid"), shell::SW_SHOW), shell::ShellSuccess);
    EXPECT_EQ(dir.read(QStringLiteral("args")), QByteArray("mailto:a@b.invalid\n"));
}

TEST(DesktopShell, OtherVerbsAreNotSupportedAndRunNothing)
{
    TempDir dir;
    shell::DesktopShell desktop(fakeOpener(dir, "exit 0"));
    EXPECT_EQ(desktop.ShellExecute(QStringLiteral("print"), QStringLiteral("/tmp/x.txt"), shell::SW_SHOW),
              shell::SE_ERR_NOASSOC);
    EXPECT_FALSE(QFile::exists(dir.path(QStringLiteral("args"))));
}

TEST(DesktopShell, MissingOpenerMeansNothingIsRegistered)
{
    shell::DesktopShell desktop(QStringLiteral("/nonexistent/xdg-open"));
    EXPECT_EQ(desktop.ShellExecute(QStringLiteral("open"), QStringLiteral("https://a.invalid/"), shell::SW_SHOW),
              shell::SE_ERR_NOASSOC);
}

TEST(DesktopShell, AnOpenerThatKeepsRunningHasHandedOver)
{
    TempDir dir;
    shell::DesktopShell desktop(fakeOpener(dir, "exec sleep 5"), 100ms);
    EXPECT_EQ(desktop.ShellExecute(QStringLiteral("open"), QStringLiteral("https://a.invalid/"), shell::SW_SHOW),
              shell::ShellSuccess);
}

TEST(HelperLauncher, ReportsExitCodeAndErrorOutput)
{
    TempDir dir;
    const shell::LaunchResult result =
        shell::launchHelper(fakeOpener(dir, "echo 'no method available' >&2; exit 3"), {QStringLiteral("x")}, 5000ms);
    EXPECT_EQ(result.status, shell::LaunchResult::Status::Finished);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.errorOutput, QStringLiteral("no method available"));
}

TEST(HelperLauncher, FindsProgramsOnThePathAndPassesArgumentsUnchanged)
{
    TempDir dir;
    const QString out = dir.path(QStringLiteral("out"));
    const shell::LaunchResult result = shell::launchHelper(
        QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("printf '%s|' \"$@\" > \"$0\""), out,
                               QStringLiteral("a b"), QStringLiteral("Příliš;žluťoučký"), QStringLiteral("$HOME")},
        5000ms);
    EXPECT_EQ(result.status, shell::LaunchResult::Status::Finished);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(dir.read(QStringLiteral("out"))), QStringLiteral("a b|Příliš;žluťoučký|$HOME|"));
}

TEST(HelperLauncher, AProgramThatIsNotThereIsNotStarted)
{
    EXPECT_EQ(shell::launchHelper(QStringLiteral("tavel-no-such-helper"), {}, 1000ms).status,
              shell::LaunchResult::Status::NotStarted);
}

} // namespace
