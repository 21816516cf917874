#include "DesktopMail.h"

#include "MimeDraft.h"
#include "platform/rtl/Paths.h"
#include "platform/shell/HelperLauncher.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace mail {
namespace {

// What the xdg-utils helpers mean by their exit codes.
QString exitReason(int exitCode)
{
    switch (exitCode) {
    case 1: return QStringLiteral("chybné volání");
    case 2: return QStringLiteral("soubor neexistuje");
    case 3: return QStringLiteral("není nastaven žádný poštovní program");
    case 4: return QStringLiteral("poštovní program selhal");
    case 5: return QStringLiteral("soubor nelze přečíst");
    default: return QStringLiteral("neznámá chyba");
    }
}

} // namespace

void DesktopMail::composeWithAttachment(const QString &filePath)
{
    run(m_programs.email, {QStringLiteral("--attach"), QFileInfo(filePath).absoluteFilePath()});
}

void DesktopMail::composeWithHtmlBody(const QString &html)
{
    const QString draft = writeDraft(html);
    try {
        run(m_programs.opener, {draft});
    } catch (const Error &) {
        QFile::remove(draft); // no mail program took it, so nobody will ever read it
        m_lastDraft.clear();
        throw;
    }
}

void DesktopMail::run(const QString &program, const QStringList &arguments)
{
    using shell::LaunchResult;
    const LaunchResult launched = shell::launchHelper(program, arguments, m_programs.handOff);
    switch (launched.status) {
    case LaunchResult::Status::StillRunning:
        return;
    case LaunchResult::Status::NotStarted:
        throw Error(QStringLiteral("program %1 nelze spustit").arg(program));
    case LaunchResult::Status::Finished:
        if (launched.exitCode == 0)
            return;
        QString text = QStringLiteral("%1 skončil s kódem %2 (%3)")
                           .arg(QFileInfo(program).fileName())
                           .arg(launched.exitCode)
                           .arg(exitReason(launched.exitCode));
        // xdg-email reports each browser it tried before its verdict; the verdict is last.
        const QString verdict = launched.errorOutput.section(QLatin1Char('\n'), -1).trimmed();
        if (!verdict.isEmpty())
            text += QStringLiteral(": ") + verdict;
        throw Error(text);
    }
}

QString DesktopMail::writeDraft(const QString &html)
{
    const QString folder = m_programs.draftFolder.isEmpty() ? rtl::tempFolder()
                                                            : rtl::withTrailingSeparator(m_programs.draftFolder);
    QTemporaryFile file(folder + QStringLiteral("TAVEL Editor zprava-XXXXXX.eml"));
    file.setAutoRemove(false);
    if (!file.open())
        throw Error(QStringLiteral("koncept zprávy nelze vytvořit ve složce %1: %2").arg(folder, file.errorString()));
    const QByteArray draft = mimeDraft(html, QDateTime::currentDateTime());
    if (file.write(draft) != draft.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.remove();
        throw Error(QStringLiteral("koncept zprávy %1 nelze zapsat: %2").arg(file.fileName(), reason));
    }
    file.close();
    m_lastDraft = file.fileName();
    return m_lastDraft;
}

} // namespace mail
