#include "platform/net/HttpsGet.h"

#include "TestHttpsServer.h"

#include <curl/curl.h>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

net::GetOptions trusting(bool tls12Only = false)
{
    net::GetOptions options;
    options.caFile = TestHttpsServer::certificates().caFile;
    options.tls12Only = tls12Only;
    return options;
}

// The curl code of the failure, or CURLE_OK when the request went through.
int failureOf(const QString &url, const net::GetOptions &options)
{
    try {
        net::httpsGet(url, options);
        return CURLE_OK;
    } catch (const net::Error &error) {
        EXPECT_FALSE(error.message().isEmpty());
        return error.curlCode();
    }
}

TEST(HttpsGet, ReturnsTheBodyOverTls12WithTheGivenAuthority)
{
    TAVEL_REQUIRE_HTTPS_TOOLS();
    TestHttpsServer server;
    ASSERT_TRUE(server.startHttps(QStringLiteral("3.25.11\\r\\n"))) << server.startError().toStdString();
    EXPECT_EQ(net::httpsGet(QStringLiteral("https://%1/version.txt").arg(server.host()), trusting(true)),
              QByteArray("3.25.11\r\n"));
    EXPECT_EQ(server.waitForLine(QStringLiteral("REQUEST ")), QStringLiteral("GET /version.txt HTTP/1.1"));
}

TEST(HttpsGet, DropsTheBodyWhenAskedTo)
{
    TAVEL_REQUIRE_HTTPS_TOOLS();
    TestHttpsServer server;
    ASSERT_TRUE(server.startHttps(QStringLiteral("ignored")));
    net::GetOptions options = trusting();
    options.keepBody = false;
    EXPECT_TRUE(net::httpsGet(QStringLiteral("https://%1/").arg(server.host()), options).isEmpty());
}

struct Refusal {
    const char *name;
    bool rogueCertificate;
    bool tls13OnlyServer;
    int status;
    int expected;
};

class HttpsGetRefuses : public testing::TestWithParam<Refusal> {};

TEST_P(HttpsGetRefuses, WithLibcurlsOwnError)
{
    TAVEL_REQUIRE_HTTPS_TOOLS();
    const Refusal &c = GetParam();
    TestHttpsServer server;
    ASSERT_TRUE(server.startHttps(QStringLiteral("3.25.11"), c.status, c.rogueCertificate, c.tls13OnlyServer));
    EXPECT_EQ(failureOf(QStringLiteral("https://%1/version.txt").arg(server.host()), trusting(true)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HttpsGetRefuses,
    testing::Values(Refusal{"UntrustedCertificate", true, false, 200, CURLE_PEER_FAILED_VERIFICATION},
                    Refusal{"ServerWithoutTls12", false, true, 200, CURLE_SSL_CONNECT_ERROR},
                    Refusal{"ErrorStatus", false, false, 404, CURLE_HTTP_RETURNED_ERROR}),
    [](const testing::TestParamInfo<Refusal> &info) { return std::string(info.param.name); });

TEST(HttpsGet, Tls13IsFineWhenNotLimitedToTls12)
{
    TAVEL_REQUIRE_HTTPS_TOOLS();
    TestHttpsServer server;
    ASSERT_TRUE(server.startHttps(QStringLiteral("ok"), 200, false, true));
    EXPECT_EQ(net::httpsGet(QStringLiteral("https://%1/").arg(server.host()), trusting(false)), QByteArray("ok"));
}

TEST(HttpsGet, NoServerGivesTheConnectionError)
{
    TAVEL_REQUIRE_HTTPS_TOOLS();
    const int port = TestHttpsServer::unusedPort();
    try {
        net::httpsGet(QStringLiteral("https://127.0.0.1:%1/version.txt").arg(port), trusting());
        FAIL() << "nothing listens there";
    } catch (const net::Error &error) {
        EXPECT_EQ(error.curlCode(), CURLE_COULDNT_CONNECT);
        EXPECT_TRUE(error.message().contains(QString::number(port))) << error.what();
    }
}

TEST(HttpsGet, GivesUpOnAServerThatNeverAnswers)
{
    TAVEL_REQUIRE_HTTPS_TOOLS();
    TestHttpsServer server;
    ASSERT_TRUE(server.startSilent());
    net::GetOptions options = trusting();
    options.connectTimeout = 300ms;
    options.responseTimeout = 300ms;
    EXPECT_EQ(failureOf(QStringLiteral("https://%1/").arg(server.host()), options), CURLE_OPERATION_TIMEDOUT);
    EXPECT_FALSE(server.waitForLine(QStringLiteral("CLOSED")).isNull());
}

TEST(HttpsGet, RefusesAnythingButHttps)
{
    EXPECT_EQ(failureOf(QStringLiteral("http://127.0.0.1:1/"), {}), CURLE_UNSUPPORTED_PROTOCOL);
    EXPECT_EQ(failureOf(QStringLiteral("file:///etc/passwd"), {}), CURLE_UNSUPPORTED_PROTOCOL);
}

} // namespace
