#include "online/BuildInfo.h"
#include "online/UpdateCheck.h"
#include "online/oaplikaci.h"

#include "RecordingDialogs.h"
#include "platform/net/TestHttpsServer.h"
#include "platform/shell/FakeShell.h"

#include <gtest/gtest.h>

namespace {

const QString failurePrefix = QStringLiteral("Nepodařilo se ověřit aktualizaci: ");

online::OnlineEndpoints endpointsOf(const QString &host)
{
    return {host, host, TestHttpsServer::certificates().caFile};
}

TEST(Versions, FileVersionIsFourPartsAndDisplayVersionThree)
{
    EXPECT_EQ(online::GetCurrentVersion(), QStringLiteral("3.25.11.0"));
    EXPECT_EQ(buildinfo::displayVersion(), QStringLiteral("3.25.11"));
}

TEST(Versions, UnconfiguredHostsAreReservedNamesThatReachNoOne)
{
    const online::OnlineEndpoints endpoints = online::OnlineEndpoints::fromBuild();
    EXPECT_TRUE(endpoints.updateHost.endsWith(QLatin1String(".invalid"))) << endpoints.updateHost.toStdString();
    EXPECT_TRUE(endpoints.pingHost.endsWith(QLatin1String(".invalid"))) << endpoints.pingHost.toStdString();
    EXPECT_EQ(endpoints.versionFileAddress(), QStringLiteral("https://%1/version.txt").arg(endpoints.updateHost));
    EXPECT_EQ(endpoints.downloadPageAddress(), QStringLiteral("https://%1/en/download/").arg(endpoints.updateHost));
}

TEST(Versions, TrimRemovesWhiteSpaceAndControlCharactersAtBothEnds)
{
    EXPECT_EQ(online::trimControls(QStringLiteral(" \t\r\n3.25.11\r\n\x01")),
              QStringLiteral("3.25.11"));
    EXPECT_EQ(online::trimControls(QStringLiteral("3 25")), QStringLiteral("3 25"));
    EXPECT_EQ(online::trimControls(QStringLiteral(" \n ")), QString());
}

struct UpdateCase {
    const char *name;
    const char *versionFile; // as served; "\\n" escapes allowed
    std::optional<bool> answer; // nullopt: no question expected
    const char *shown;          // message or question text
};

class UpdateCheck : public testing::TestWithParam<UpdateCase> {};

TEST_P(UpdateCheck, ComparesWithTheUpdateHost)
{
    TAVEL_REQUIRE_HTTPS_TOOLS();
    const UpdateCase &c = GetParam();
    TestHttpsServer server;
    ASSERT_TRUE(server.startHttps(QString::fromUtf8(c.versionFile))) << server.startError().toStdString();
    RecordingDialogs dialogs;
    if (c.answer)
        dialogs.confirmations.push_back(*c.answer);
    shell::FakeShell shell;

    Tfoaplikaci about(shell, dialogs);
    online::bNapovedaKontrolaNoveVerzeClick(about, dialogs, shell, MessageTexts(), endpointsOf(server.host()));

    EXPECT_EQ(server.waitForLine(QStringLiteral("REQUEST ")), QStringLiteral("GET /version.txt HTTP/1.1"));
    const QStringList &shown = c.answer ? dialogs.questions : dialogs.messages;
    EXPECT_EQ(shown, QStringList{QString::fromUtf8(c.shown)});
    EXPECT_EQ((c.answer ? dialogs.messages : dialogs.questions), QStringList());
    if (c.answer.value_or(false)) {
        ASSERT_EQ(shell.calls.size(), 1u);
        EXPECT_EQ(shell.calls[0].operation, QStringLiteral("open"));
        EXPECT_EQ(shell.calls[0].file, QStringLiteral("https://%1/en/download/").arg(server.host()));
        EXPECT_EQ(shell.calls[0].showCommand, shell::SW_SHOWNORMAL);
    } else {
        EXPECT_TRUE(shell.calls.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    VersionFiles, UpdateCheck,
    testing::Values(
        UpdateCase{"SameVersion", "3.25.11\\r\\n", std::nullopt, "Používáte nejnovější verzi."},
        UpdateCase{"OlderVersionYes", "3.25.10\\n", true, "Byla nalezena nová verze:3.25.10\r\nPřejete si ji stáhnout?"},
        UpdateCase{"OlderVersionNo", "3.25.10", false, "Byla nalezena nová verze:3.25.10\r\nPřejete si ji stáhnout?"},
        UpdateCase{"LetterInFront", "v3.25.11", false, "Byla nalezena nová verze:v3.25.11\r\nPřejete si ji stáhnout?"}),
    [](const testing::TestParamInfo<UpdateCase> &info) { return std::string(info.param.name); });

TEST(UpdateCheckTexts, QuestionUsesTheTranslatedTexts)
{
    TAVEL_REQUIRE_HTTPS_TOOLS();
    TestHttpsServer server;
    ASSERT_TRUE(server.startHttps(QStringLiteral("4.0")));
    RecordingDialogs dialogs;
    shell::FakeShell shell;
    MessageTexts english;
    english.NovaVerzeBylaNalezena = QStringLiteral("A new version was found: ");
    english.PrejeteSiStahnout = QStringLiteral("Do you want to download it?");
    online::bNapovedaKontrolaNoveVerzeClick(QStringLiteral("3.25.11"), dialogs, shell, english,
                                            endpointsOf(server.host()));
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("A new version was found: 4.0\r\nDo you want to download it?")});
}

struct FailureCase {
    const char *name;
    bool serverRuns;
    bool rogueCertificate;
    const char *curlTextPart;
};

class UpdateCheckFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(UpdateCheckFailure, ShowsTheClientsOwnErrorText)
{
    TAVEL_REQUIRE_HTTPS_TOOLS();
    const FailureCase &c = GetParam();
    TestHttpsServer server;
    QString host = QStringLiteral("127.0.0.1:%1").arg(TestHttpsServer::unusedPort());
    if (c.serverRuns) {
        ASSERT_TRUE(server.startHttps(QStringLiteral("3.25.10"), 200, c.rogueCertificate));
        host = server.host();
    }
    RecordingDialogs dialogs;
    shell::FakeShell shell;
    online::bNapovedaKontrolaNoveVerzeClick(QStringLiteral("3.25.11"), dialogs, shell, MessageTexts(),
                                            endpointsOf(host));
    ASSERT_EQ(dialogs.messages.size(), 1);
    const QString shown = dialogs.messages[0];
    EXPECT_TRUE(shown.startsWith(failurePrefix)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QLatin1String(c.curlTextPart))) << shown.toStdString();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(shell.calls.empty());
    if (c.serverRuns) {
        // The refused handshake means no request ever reached the server.
        EXPECT_TRUE(server.waitForLine(QStringLiteral("REQUEST "), 500).isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, UpdateCheckFailure,
                         testing::Values(FailureCase{"NoServer", false, false, "Couldn't connect to server"},
                                         FailureCase{"UntrustedCertificate", true, true, "certificate"}),
                         [](const testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.name); });

} // namespace
