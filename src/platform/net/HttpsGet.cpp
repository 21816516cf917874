#include "HttpsGet.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace net {
namespace {

struct Sink {
    QByteArray body;
    bool keep = true;
    bool tooLarge = false;
};

size_t receive(char *data, size_t size, size_t count, void *userData)
{
    auto *sink = static_cast<Sink *>(userData);
    const size_t bytes = size * count;
    if (!sink->keep)
        return bytes;
    if (sink->body.size() + static_cast<qsizetype>(bytes) > maxBodySize) {
        sink->tooLarge = true;
        return 0; // makes libcurl end the transfer with CURLE_WRITE_ERROR
    }
    sink->body.append(data, static_cast<qsizetype>(bytes));
    return bytes;
}

struct EasyDeleter {
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};

void check(CURLcode code, const char *what)
{
    if (code != CURLE_OK)
        throw Error(QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromUtf8(curl_easy_strerror(code))),
                    code);
}

} // namespace

void initialize()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const CURLcode code = curl_global_init(CURL_GLOBAL_DEFAULT);
        check(code, "libcurl");
    });
}

QByteArray httpsGet(const QString &url, const GetOptions &options)
{
    initialize();
    std::unique_ptr<CURL, EasyDeleter> handle(curl_easy_init());
    if (!handle)
        throw Error(QStringLiteral("libcurl: the request could not be prepared"), CURLE_FAILED_INIT);
    CURL *curl = handle.get();

    char errorText[CURL_ERROR_SIZE] = {};
    Sink sink;
    sink.keep = options.keepBody;
    const QByteArray address = url.toUtf8();
    const QByteArray caFile = options.caFile.toLocal8Bit();

    check(curl_easy_setopt(curl, CURLOPT_URL, address.constData()), "CURLOPT_URL");
    check(curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "https"), "CURLOPT_PROTOCOLS_STR");
    check(curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText), "CURLOPT_ERRORBUFFER");
    // Signals cannot interrupt a resolver on another thread; the ping runs on one.
    check(curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L), "CURLOPT_NOSIGNAL");
    check(curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L), "CURLOPT_FAILONERROR");
    check(curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L), "CURLOPT_SSL_VERIFYPEER");
    check(curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L), "CURLOPT_SSL_VERIFYHOST");
    check(curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &receive), "CURLOPT_WRITEFUNCTION");
    check(curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink), "CURLOPT_WRITEDATA");
    if (options.tls12Only)
        check(curl_easy_setopt(curl, CURLOPT_SSLVERSION,
                               static_cast<long>(CURL_SSLVERSION_TLSv1_2) | static_cast<long>(CURL_SSLVERSION_MAX_TLSv1_2)),
              "CURLOPT_SSLVERSION");
    if (!caFile.isEmpty())
        check(curl_easy_setopt(curl, CURLOPT_CAINFO, caFile.constData()), "CURLOPT_CAINFO");
    if (options.connectTimeout.count() > 0)
        check(curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options.connectTimeout.count())),
              "CURLOPT_CONNECTTIMEOUT_MS");
    if (options.responseTimeout.count() > 0) {
        // libcurl bounds the whole transfer, so the answer's share comes on top of connecting.
        const long total = static_cast<long>(options.connectTimeout.count() + options.responseTimeout.count());
        check(curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, total), "CURLOPT_TIMEOUT_MS");
    }

    const CURLcode result = curl_easy_perform(curl);
    if (result != CURLE_OK) {
        if (sink.tooLarge)
            throw Error(QStringLiteral("The answer from %1 is larger than %2 bytes").arg(url).arg(maxBodySize), result);
        const QString text = errorText[0] != '\0' ? QString::fromUtf8(errorText).trimmed()
                                                  : QString::fromUtf8(curl_easy_strerror(result));
        throw Error(text, result);
    }
    return sink.body;
}

} // namespace net
