#include "online/BuildInfo.h"
#include "online/HelpCommands.h"
#include "online/oaplikaci.h"

#include "RecordingDialogs.h"
#include "platform/shell/FakeShell.h"
#include "support/TempDir.h"

#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(HelpCommands, WebCommandOpensTheMakersPageAndIgnoresTheResult)
{
    shell::FakeShell shell;
    shell.result = shell::SE_ERR_NOASSOC;
    online::bNapovedaPrejitNaWebClick(shell);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].operation, QStringLiteral("open"));
    EXPECT_EQ(shell.calls[0].file, buildinfo::webAddress());
    EXPECT_EQ(shell.calls[0].showCommand, shell::SW_SHOWNORMAL);
}

TEST(HelpCommands, ChangelogOpensWhenPresentAndIsReportedWhenMissing)
{
    TempDir programFolder;
    RecordingDialogs dialogs;
    shell::FakeShell shell;

    online::BNapovedaCoJeNovehoClick(dialogs, shell, programFolder.root());
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Soubor changelog.txt nebyl nalezen!")});
    EXPECT_TRUE(shell.calls.empty());

    const QString changelog = programFolder.write(QStringLiteral("changelog.txt"), "3.25.11\n");
    online::BNapovedaCoJeNovehoClick(dialogs, shell, programFolder.root() + QLatin1Char('/'));
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].operation, QStringLiteral("open"));
    EXPECT_EQ(shell.calls[0].file, changelog);
    EXPECT_EQ(dialogs.messages.size(), 1);

    QFile::remove(changelog);
    online::BNapovedaCoJeNovehoClick(dialogs, shell, programFolder.root());
    EXPECT_EQ(dialogs.messages.size(), 2);
}

TEST(HelpCommands, ChangelogShipsBesideTheProgram)
{
    EXPECT_TRUE(QFile::exists(QStringLiteral(TAVEL_BUILT_PROGRAM_FOLDER "/changelog.txt")));
}

TEST(HelpCommands, AboutIsShownModallyUntilOk)
{
    RecordingDialogs dialogs;
    shell::FakeShell shell;
    Tfoaplikaci about(shell, dialogs);
    bool wasModal = false;
    QTimer::singleShot(0, &about, [&] {
        wasModal = about.isVisible() && about.isModal();
        about.Button1->click();
    });
    online::bNapovedaOAplikaciClick(about, nullptr);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(about.isVisible());
}

} // namespace
