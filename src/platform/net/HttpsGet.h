#pragma once

#include "platform/rtl/Error.h"

#include <QByteArray>
#include <QString>

#include <chrono>

namespace net {

/// A request that failed; the message is libcurl's own description of the fault
/// ("Could not resolve host: …", "SSL certificate problem: …").
class Error : public platform::Error {
public:
    Error(const QString &message, int curlCode) : platform::Error(message), m_curlCode(curlCode) {}
    /// libcurl's result code (CURLcode), for callers that tell faults apart.
    int curlCode() const { return m_curlCode; }

private:
    int m_curlCode;
};

struct GetOptions {
    /// Zero leaves libcurl's own limit.
    std::chrono::milliseconds connectTimeout{0};
    /// How long the server may take to answer once connected; zero means no limit.
    std::chrono::milliseconds responseTimeout{0};
    /// Negotiate TLS 1.2 and nothing else.
    bool tls12Only = false;
    /// A PEM file of trusted certificate authorities instead of the system's store.
    QString caFile;
    /// When false, the answer is received and dropped unread.
    bool keepBody = true;
};

/// Largest body kept; the services answer with a few bytes, so more is a fault.
inline constexpr qsizetype maxBodySize = 1024 * 1024;

/// Prepares libcurl for use from several threads. Call once on the main thread before any
/// request; `httpsGet` calls it as well, so callers on the main thread may skip it.
void initialize();

/// One blocking GET over HTTPS with certificate and host-name verification. Redirects are
/// not followed; an HTTP status of 400 or more is a failure. Throws `net::Error`.
QByteArray httpsGet(const QString &url, const GetOptions &options = {});

} // namespace net
