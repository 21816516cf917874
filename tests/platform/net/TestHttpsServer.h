#pragma once

// A real HTTPS server on 127.0.0.1 for tests, run by Python, with certificates made by
// openssl at test time. Tests call `TestHttpsServer::missingTools()` first and skip with
// its message when python3 or openssl is not there.

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class TestHttpsServer {
public:
    /// A certificate authority the client is given, a server certificate for 127.0.0.1
    /// signed by it, and a self-signed "rogue" certificate for 127.0.0.1 that nobody trusts.
    struct Certificates {
        QString caFile;
        QString certFile;
        QString keyFile;
        QString rogueCertFile;
        QString rogueKeyFile;
        QString error; // non-empty when they could not be made
    };

    /// Empty when the tools are there, else the reason to skip.
    static QString missingTools()
    {
        QStringList missing;
        for (const char *tool : {"python3", "openssl"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                missing << QLatin1String(tool);
        return missing.isEmpty() ? QString()
                                 : QStringLiteral("needs %1 to run a local HTTPS server").arg(missing.join(u" and "));
    }

    /// Made once per test program.
    static const Certificates &certificates()
    {
        static const Certificates made = makeCertificates();
        return made;
    }

    TestHttpsServer() = default;
    TestHttpsServer(const TestHttpsServer &) = delete;
    TestHttpsServer &operator=(const TestHttpsServer &) = delete;
    ~TestHttpsServer() { stop(); }

    /// Serves `body` (escapes like "\\n" allowed) for every GET, or the status when not 200.
    bool startHttps(const QString &body, int status = 200, bool rogue = false, bool tls13Only = false)
    {
        const Certificates &pki = certificates();
        QStringList arguments{QStringLiteral("--cert"), rogue ? pki.rogueCertFile : pki.certFile,
                              QStringLiteral("--key"), rogue ? pki.rogueKeyFile : pki.keyFile,
                              QStringLiteral("--body"), body, QStringLiteral("--status"), QString::number(status)};
        if (tls13Only)
            arguments << QStringLiteral("--tls13-only");
        return start(arguments);
    }

    /// Accepts connections and never answers.
    bool startSilent() { return start({QStringLiteral("--silent")}); }

    void stop()
    {
        if (m_process && m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
    }

    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    int port() const { return m_port; }
    QString startError() const { return m_error; }

    /// Waits up to `timeoutMs` for a line of output that starts with `prefix`; returns the
    /// rest of the line, or a null string when none came. Lines are consumed.
    QString waitForLine(const QString &prefix, int timeoutMs = 20000)
    {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            for (qsizetype i = 0; i < m_lines.size(); ++i) {
                if (m_lines[i].startsWith(prefix)) {
                    const QString rest = m_lines[i].mid(prefix.size());
                    m_lines.remove(0, i + 1);
                    return rest.isNull() ? QStringLiteral("") : rest;
                }
            }
            const qint64 left = timeoutMs - timer.elapsed();
            if (left <= 0 || !m_process || m_process->state() == QProcess::NotRunning)
                return QString();
            if (m_process->waitForReadyRead(static_cast<int>(left)))
                collect();
        }
    }

    /// Sends a line to the server's standard input.
    void tell(const QByteArray &line) { m_process->write(line + '\n'); m_process->waitForBytesWritten(5000); }

    /// A TCP port on 127.0.0.1 that nothing listens on.
    static int unusedPort()
    {
        QProcess probe;
        probe.start(QStringLiteral("python3"),
                    {QStringLiteral("-c"), QStringLiteral("import socket; s=socket.socket(); s.bind(('127.0.0.1',0)); "
                                                          "print(s.getsockname()[1])")});
        probe.waitForFinished(10000);
        return probe.readAllStandardOutput().trimmed().toInt();
    }

private:
    bool start(const QStringList &arguments)
    {
        stop();
        m_process = std::make_unique<QProcess>();
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process->start(QStringLiteral("python3"), QStringList{QStringLiteral(TAVEL_TEST_HTTPS_SERVER)} + arguments);
        if (!m_process->waitForStarted(10000)) {
            m_error = QStringLiteral("python3 did not start: ") + m_process->errorString();
            return false;
        }
        const QString port = waitForLine(QStringLiteral("PORT "));
        m_port = port.toInt();
        if (m_port <= 0)
            m_error = QStringLiteral("the test server did not report its port");
        return m_port > 0;
    }

    void collect()
    {
        m_pending += m_process->readAllStandardOutput();
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            m_lines << QString::fromUtf8(m_pending.left(end)).trimmed();
            m_pending.remove(0, end + 1);
        }
    }

    static bool openssl(const QStringList &arguments, const QString &folder, QString &error)
    {
        QProcess process;
        process.setWorkingDirectory(folder);
        process.start(QStringLiteral("openssl"), arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            error = QStringLiteral("openssl %1 failed: %2")
                        .arg(arguments.value(0), QString::fromLocal8Bit(process.readAllStandardError()));
            return false;
        }
        return true;
    }

    static Certificates makeCertificates()
    {
        static QTemporaryDir folder; // lives as long as the test program
        Certificates pki;
        const QString dir = folder.path();
        const QStringList ecKey{QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                                QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};
        QFile extensions(dir + QStringLiteral("/server.ext"));
        if (extensions.open(QIODevice::WriteOnly))
            extensions.write("subjectAltName=IP:127.0.0.1\nbasicConstraints=CA:FALSE\n"
                             "keyUsage=critical,digitalSignature\nextendedKeyUsage=serverAuth\n");
        extensions.close();
        const bool made =
            openssl(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + ecKey
                        + QStringList{QStringLiteral("-keyout"), QStringLiteral("ca.key"), QStringLiteral("-out"),
                                      QStringLiteral("ca.pem"), QStringLiteral("-days"), QStringLiteral("2"),
                                      QStringLiteral("-subj"), QStringLiteral("/CN=TAVEL Test CA"),
                                      QStringLiteral("-addext"), QStringLiteral("basicConstraints=critical,CA:TRUE"),
                                      QStringLiteral("-addext"), QStringLiteral("keyUsage=critical,keyCertSign,cRLSign")},
                    dir, pki.error)
            && openssl(QStringList{QStringLiteral("req")} + ecKey
                           + QStringList{QStringLiteral("-keyout"), QStringLiteral("server.key"), QStringLiteral("-out"),
                                         QStringLiteral("server.csr"), QStringLiteral("-subj"),
                                         QStringLiteral("/CN=127.0.0.1")},
                       dir, pki.error)
            && openssl({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), QStringLiteral("server.csr"),
                        QStringLiteral("-CA"), QStringLiteral("ca.pem"), QStringLiteral("-CAkey"), QStringLiteral("ca.key"),
                        QStringLiteral("-CAcreateserial"), QStringLiteral("-out"), QStringLiteral("server.pem"),
                        QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-extfile"),
                        QStringLiteral("server.ext")},
                       dir, pki.error)
            && openssl(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + ecKey
                           + QStringList{QStringLiteral("-keyout"), QStringLiteral("rogue.key"), QStringLiteral("-out"),
                                         QStringLiteral("rogue.pem"), QStringLiteral("-days"), QStringLiteral("2"),
                                         QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                                         QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1")},
                       dir, pki.error);
        if (made) {
            pki.caFile = dir + QStringLiteral("/ca.pem");
            pki.certFile = dir + QStringLiteral("/server.pem");
            pki.keyFile = dir + QStringLiteral("/server.key");
            pki.rogueCertFile = dir + QStringLiteral("/rogue.pem");
            pki.rogueKeyFile = dir + QStringLiteral("/rogue.key");
        }
        return pki;
    }

    std::unique_ptr<QProcess> m_process;
    QByteArray m_pending;
    QStringList m_lines;
    int m_port = 0;
    QString m_error;
};

/// Skips the test when the tools or the certificates are missing.
#define TAVEL_REQUIRE_HTTPS_TOOLS()                                                                  \
    do {                                                                                             \
        const QString missing = TestHttpsServer::missingTools();                                     \
        if (!missing.isEmpty())                                                                      \
            GTEST_SKIP() << missing.toStdString();                                                   \
        ASSERT_TRUE(TestHttpsServer::certificates().error.isEmpty())                                 \
            << TestHttpsServer::certificates().error.toStdString();                                  \
    } while (false)
