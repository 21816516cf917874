#include "online/Telemetry.h"

#include "platform/net/TestHttpsServer.h"

#include <gtest/gtest.h>

namespace {

TEST(Telemetry, AddressCarriesTheVersionUnencoded)
{
    EXPECT_EQ(online::telemetryAddress(QStringLiteral("ping.example.invalid"), QStringLiteral("3.25.11.0")),
              QStringLiteral("https://ping.example.invalid/statistika/statistika.php?app=tavel&verze=3.25.11.0"));
    EXPECT_EQ(online::telemetryAddress(QStringLiteral("h.invalid"), QString()),
              QStringLiteral("https://h.invalid/statistika/statistika.php?app=tavel&verze="));
}

TEST(Telemetry, PingSendsTheFileVersion)
{
    TAVEL_REQUIRE_HTTPS_TOOLS();
    TestHttpsServer server;
    ASSERT_TRUE(server.startHttps(QStringLiteral("OK"))) << server.startError().toStdString();
    online::SendTelemetryAsync({QString(), server.host(), TestHttpsServer::certificates().caFile});
    EXPECT_EQ(server.waitForLine(QStringLiteral("REQUEST ")),
              QStringLiteral("GET /statistika/statistika.php?app=tavel&verze=3.25.11.0 HTTP/1.1"));
}

TEST(Telemetry, StartDoesNotWaitForAServerThatNeverAnswers)
{
    TAVEL_REQUIRE_HTTPS_TOOLS();
    TestHttpsServer server;
    ASSERT_TRUE(server.startSilent()) << server.startError().toStdString();

    online::SendTelemetryAsync({QString(), server.host(), TestHttpsServer::certificates().caFile});

    // The call is back while the ping still waits on the server...
    ASSERT_FALSE(server.waitForLine(QStringLiteral("ACCEPTED")).isNull());
    server.tell("STATUS");
    EXPECT_EQ(server.waitForLine(QStringLiteral("STATUS ")), QStringLiteral("OPEN"));
    // ...and the ping gives up by itself once its time-outs run out.
    EXPECT_FALSE(server.waitForLine(QStringLiteral("CLOSED")).isNull());
}

TEST(Telemetry, UnreachableServerIsSilent)
{
    TAVEL_REQUIRE_HTTPS_TOOLS();
    EXPECT_NO_THROW(online::SendTelemetryAsync(
        {QString(), QStringLiteral("127.0.0.1:%1").arg(TestHttpsServer::unusedPort()), QString()}));
}

} // namespace
