#include "platform/mail/DesktopMail.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// A stand-in mail helper: records its arguments one per line, keeps a copy of its last
// argument's file when there is one, then runs `tail`.
QString fakeProgram(const TempDir &dir, const QString &name, const QByteArray &tail)
{
    const QByteArray script = "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"" + dir.path(name + ".args").toUtf8()
                              + "\"\n"
                                "for last in \"$@\"; do :; done\n"
                                "[ -f \"$last\" ] && cp \"$last\" \""
                              + dir.path(name + ".copy").toUtf8() + "\"\n" + tail + "\n";
    const QString path = dir.write(name, script);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

class DesktopMailTest : public testing::Test {
protected:
    mail::DesktopMail mailWith(const QByteArray &emailTail, const QByteArray &openerTail = "exit 0")
    {
        mail::DesktopMail::Programs programs;
        programs.email = fakeProgram(helpers, QStringLiteral("xdg-email"), emailTail);
        programs.opener = fakeProgram(helpers, QStringLiteral("xdg-open"), openerTail);
        programs.draftFolder = drafts.root();
        return mail::DesktopMail(programs);
    }

    QString failureOf(const std::function<void()> &call)
    {
        try {
            call();
        } catch (const mail::Error &error) {
            return error.message();
        }
        return QString();
    }

    TempDir helpers;
    TempDir drafts;
};

TEST_F(DesktopMailTest, AttachmentGoesToXdgEmailWithItsFullPath)
{
    mail::DesktopMail mail = mailWith("exit 0");
    const QString file = drafts.write(QStringLiteral("Zpráva 1.docx"), "PK");
    mail.composeWithAttachment(file);
    EXPECT_EQ(QString::fromUtf8(helpers.read(QStringLiteral("xdg-email.args"))),
              QStringLiteral("--attach\n") + file + QLatin1Char('\n'));
}

TEST_F(DesktopMailTest, HtmlBodyIsADraftFileHandedToTheOpener)
{
    mail::DesktopMail mail = mailWith("exit 0");
    const QString html = QStringLiteral("<html><body><p>Příliš žluťoučký kůň</p></body></html>");
    mail.composeWithHtmlBody(html);

    const QString draft = mail.lastDraftPath();
    EXPECT_EQ(QFileInfo(draft).absolutePath(), QFileInfo(drafts.root()).absoluteFilePath());
    EXPECT_TRUE(draft.endsWith(QLatin1String(".eml")));
    EXPECT_EQ(QString::fromUtf8(helpers.read(QStringLiteral("xdg-open.args"))), draft + QLatin1Char('\n'));

    const QByteArray message = helpers.read(QStringLiteral("xdg-open.copy"));
    const qsizetype split = message.indexOf("\r\n\r\n");
    ASSERT_GT(split, 0);
    EXPECT_TRUE(message.left(split).contains("X-Unsent: 1"));
    EXPECT_TRUE(message.left(split).contains("Content-Type: text/html; charset=UTF-8"));
    EXPECT_EQ(QString::fromUtf8(QByteArray::fromBase64(message.mid(split + 4))), html);
}

struct MailFailure {
    const char *name;
    QByteArray tail;
    const char *expected;
};

class DesktopMailFailure : public DesktopMailTest, public testing::WithParamInterface<MailFailure> {};

TEST_P(DesktopMailFailure, SaysWhy)
{
    mail::DesktopMail mail = mailWith(GetParam().tail, GetParam().tail);
    const QString expected = QString::fromUtf8(GetParam().expected);
    EXPECT_EQ(failureOf([&] { mail.composeWithAttachment(drafts.write(QStringLiteral("a.docx"), "PK")); }).toStdString(),
              expected.arg(QStringLiteral("xdg-email")).toStdString());
    EXPECT_EQ(failureOf([&] { mail.composeWithHtmlBody(QStringLiteral("<p>x</p>")); }).toStdString(),
              expected.arg(QStringLiteral("xdg-open")).toStdString());
    EXPECT_TRUE(QDir(drafts.root()).entryList({QStringLiteral("*.eml")}, QDir::Files).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesktopMailFailure,
    testing::Values(
        MailFailure{"NoMailProgram", "echo \"$0: 786: lynx: not found\" >&2; echo \"$(basename $0): no method available for opening 'mailto:'\" >&2; exit 3",
                    "%1 skončil s kódem 3 (není nastaven žádný poštovní program): %1: no method available for "
                    "opening 'mailto:'"},
        MailFailure{"SilentFailure", "exit 4", "%1 skončil s kódem 4 (poštovní program selhal)"}),
    [](const testing::TestParamInfo<MailFailure> &info) { return std::string(info.param.name); });

TEST_F(DesktopMailTest, MissingHelperCannotBeStarted)
{
    mail::DesktopMail::Programs programs;
    programs.email = QStringLiteral("/nonexistent/xdg-email");
    mail::DesktopMail mail(programs);
    EXPECT_EQ(failureOf([&] { mail.composeWithAttachment(QStringLiteral("/tmp/a.docx")); }),
              QStringLiteral("program /nonexistent/xdg-email nelze spustit"));
}

TEST_F(DesktopMailTest, DraftFolderThatCannotBeWrittenIsAnError)
{
    mail::DesktopMail::Programs programs;
    programs.opener = fakeProgram(helpers, QStringLiteral("xdg-open"), "exit 0");
    programs.draftFolder = drafts.path(QStringLiteral("missing/folder"));
    mail::DesktopMail mail(programs);
    EXPECT_TRUE(failureOf([&] { mail.composeWithHtmlBody(QStringLiteral("<p>x</p>")); })
                    .startsWith(QStringLiteral("koncept zprávy nelze vytvořit ve složce")));
    EXPECT_FALSE(QFile::exists(helpers.path(QStringLiteral("xdg-open.args"))));
}

TEST_F(DesktopMailTest, AMailProgramThatStaysOpenHasTheMessage)
{
    mail::DesktopMail::Programs programs;
    programs.email = fakeProgram(helpers, QStringLiteral("xdg-email"), "exec sleep 5");
    programs.handOff = 100ms;
    mail::DesktopMail mail(programs);
    EXPECT_NO_THROW(mail.composeWithAttachment(drafts.write(QStringLiteral("a.docx"), "PK")));
}

} // namespace
