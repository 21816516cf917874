#include "Telemetry.h"

#include "platform/net/HttpsGet.h"

#include <string>
#include <thread>

namespace online {
namespace {

void ping(const std::string &address, const std::string &caFile) noexcept
{
    try {
        net::GetOptions options;
        options.connectTimeout = std::chrono::milliseconds(2000);
        options.responseTimeout = std::chrono::milliseconds(2000);
        options.caFile = QString::fromStdString(caFile);
        options.keepBody = false;
        net::httpsGet(QString::fromStdString(address), options);
    } catch (...) {
        // Counting is not worth bothering the user over.
    }
}

} // namespace

QString telemetryAddress(const QString &pingHost, const QString &version)
{
    return QStringLiteral("https://%1/statistika/statistika.php?app=tavel&verze=%2").arg(pingHost, version);
}

void SendTelemetryAsync(const OnlineEndpoints &endpoints)
{
    try {
        const QString Verze = GetCurrentVersion();
        // Plain byte strings: the thread shares nothing with the rest of the program.
        std::string address = telemetryAddress(endpoints.pingHost, Verze).toStdString();
        std::string caFile = endpoints.caFile.toStdString();
        net::initialize(); // libcurl's global set-up belongs on the main thread
        std::thread(ping, std::move(address), std::move(caFile)).detach();
    } catch (...) {
        // Not even a thread to spare: the program starts without its ping.
    }
}

} // namespace online
