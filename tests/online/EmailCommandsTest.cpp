#include "online/AttachmentName.h"
#include "online/DocumentSaver.h"
#include "online/EmailCommands.h"

#include "RecordingDialogs.h"
#include "platform/mail/MailClient.h"
#include "platform/richedit/Error.h"
#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/view/RichEditControl.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using richedit::DocumentFormat;

class FakeMail final : public mail::MailClient {
public:
    QStringList attachments;
    QStringList bodies;
    QString failure; // when set, every call throws it

    void composeWithAttachment(const QString &filePath) override
    {
        if (!failure.isEmpty())
            throw mail::Error(failure);
        attachments << filePath;
    }
    void composeWithHtmlBody(const QString &html) override
    {
        if (!failure.isEmpty())
            throw mail::Error(failure);
        bodies << html;
    }
};

// Writes a marker instead of the document and remembers what it was asked for.
class FakeSaver final : public online::DocumentSaver {
public:
    struct Save {
        QString path;
        DocumentFormat format;
    };
    std::vector<Save> saves;
    QByteArray content = "PK fake docx";
    bool fail = false;

    void saveToFile(const QString &path, DocumentFormat format) override
    {
        if (fail)
            throw richedit::Error(QStringLiteral("Cannot write %1").arg(path));
        saves.push_back({path, format});
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }
    void saveToStream(QIODevice &out, DocumentFormat format) override
    {
        if (fail)
            throw richedit::Error(QStringLiteral("Cannot export"));
        saves.push_back({QString(), format});
        out.write(content);
    }
};

// The real editor, with .docx written as plain text while the engine has no .docx writer,
// so that the file handling is exercised end to end.
class PlainTextForDocx final : public online::DocumentSaver {
public:
    explicit PlainTextForDocx(richedit::RichEditControl &control) : m_real(control) {}
    void saveToFile(const QString &path, DocumentFormat format) override
    {
        m_real.saveToFile(path, format == DocumentFormat::OpenXml ? DocumentFormat::PlainText : format);
    }
    void saveToStream(QIODevice &out, DocumentFormat format) override { m_real.saveToStream(out, format); }

private:
    online::RichEditSaver m_real;
};

class EmailCommands : public testing::Test {
protected:
    void SetUp() override
    {
        m_oldTemp = qgetenv("TEMP");
        qputenv("TEMP", temp.root().toLocal8Bit());
    }
    void TearDown() override { qputenv("TEMP", m_oldTemp); }

    void sendAs(const std::optional<QString> &typed, online::DocumentSaver &saver)
    {
        dialogs.inputs.push_back(typed);
        online::OdeslatJakoPrilohu(dialogs, saver, mail, texts);
    }

    QStringList filesInTemp() const { return QDir(temp.root()).entryList(QDir::Files | QDir::Hidden); }

    TempDir temp;
    RecordingDialogs dialogs;
    FakeMail mail;
    FakeSaver saver;
    MessageTexts texts;

private:
    QByteArray m_oldTemp;
};

TEST_F(EmailCommands, ProposesDokumentDocxUnderTheProgramsTitleWithTheTranslatedPrompt)
{
    texts.ZadejteNazevSouboru = QStringLiteral("Enter the file name:");
    sendAs(QStringLiteral("Dokument.docx"), saver);
    ASSERT_EQ(dialogs.inputsShown.size(), 1u);
    EXPECT_EQ(dialogs.inputsShown[0].title, QStringLiteral("TAVEL Editor"));
    EXPECT_EQ(dialogs.inputsShown[0].prompt, QStringLiteral("Enter the file name:"));
    EXPECT_EQ(dialogs.inputsShown[0].value, QStringLiteral("Dokument.docx"));
    EXPECT_EQ(MessageTexts().ZadejteNazevSouboru, QStringLiteral("Zadejte název souboru:."));
}

TEST_F(EmailCommands, WritesDocxIntoTempAndAttachesIt)
{
    for (const auto &[typed, fileName] : {std::pair{"Report.DOCX", "Report.DOCX"}, std::pair{"notes.txt", "notes.txt.docx"},
                                          std::pair{"zprava", "zprava.docx"}}) {
        mail.attachments.clear();
        saver.saves.clear();
        sendAs(QString::fromUtf8(typed), saver);
        const QString expected = temp.path(QString::fromUtf8(fileName));
        ASSERT_EQ(saver.saves.size(), 1u) << typed;
        EXPECT_EQ(saver.saves[0].path, expected);
        EXPECT_EQ(saver.saves[0].format, DocumentFormat::OpenXml);
        EXPECT_EQ(mail.attachments, QStringList{expected});
        EXPECT_TRUE(QFile::exists(expected));
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(EmailCommands, CancelOrEmptyNameDoesNothing)
{
    sendAs(std::nullopt, saver);
    sendAs(QString(), saver);
    EXPECT_TRUE(saver.saves.empty());
    EXPECT_TRUE(mail.attachments.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(filesInTemp().isEmpty());
}

TEST_F(EmailCommands, NameThatLeavesTempIsRefusedAndNothingIsWritten)
{
    const QString outside = QFileInfo(temp.root()).absolutePath() + QStringLiteral("/tavel-escape-test");
    for (const QString &typed : {QStringLiteral("../tavel-escape-test"), QStringLiteral("slozka/zprava"), outside}) {
        dialogs.messages.clear();
        sendAs(typed, saver);
        EXPECT_EQ(dialogs.messages, QStringList{online::attachmentNameRefused()}) << typed.toStdString();
    }
    EXPECT_TRUE(saver.saves.empty());
    EXPECT_TRUE(mail.attachments.isEmpty());
    EXPECT_TRUE(filesInTemp().isEmpty());
    EXPECT_FALSE(QFile::exists(outside + QStringLiteral(".docx")));
}

TEST_F(EmailCommands, MailFailureIsShownAfterTheFileIsWritten)
{
    mail.failure = QStringLiteral("xdg-email skončil s kódem 3");
    sendAs(QStringLiteral("zprava"), saver);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Nepodařilo se otevřít Outlook: xdg-email skončil s kódem 3")});
    EXPECT_TRUE(QFile::exists(temp.path(QStringLiteral("zprava.docx"))));
}

TEST_F(EmailCommands, WriteFailureReachesTheHandlerGuardAndNoMailOpens)
{
    saver.fail = true;
    dialogs.inputs.push_back(QStringLiteral("zprava"));
    EXPECT_THROW(online::OdeslatJakoPrilohu(dialogs, saver, mail, texts), richedit::Error);
    EXPECT_TRUE(mail.attachments.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(EmailCommands, SecondSendOverwritesAndLeavesTheEditorsOwnFileAlone)
{
    RecordingDialogs editorDialogs;
    richedit::RichEditControl editor(editorDialogs);
    const QString ownFile = temp.path(QStringLiteral("vlastni.txt"));
    editor.SaveDocument(ownFile, DocumentFormat::PlainText);
    PlainTextForDocx realSaver(editor);

    editor.mainStory()->setPlainText(QStringLiteral("první"));
    sendAs(QStringLiteral("Dokument.docx"), realSaver);
    editor.mainStory()->setPlainText(QStringLiteral("druhý"));
    sendAs(QStringLiteral("Dokument.docx"), realSaver);

    EXPECT_EQ(QString::fromUtf8(temp.read(QStringLiteral("Dokument.docx"))).trimmed(), QStringLiteral("druhý"));
    EXPECT_EQ(mail.attachments.size(), 2);
    EXPECT_EQ(editor.CurrentFileName(), QFileInfo(ownFile).absoluteFilePath());
    EXPECT_TRUE(editor.DocumentModelModified()); // the user's own file was not saved
}

TEST_F(EmailCommands, TheEditorWritesDocxOnceItCan)
{
    RecordingDialogs editorDialogs;
    richedit::RichEditControl editor(editorDialogs);
    online::RichEditSaver realSaver(editor);
    if (richedit::formatInfo(DocumentFormat::OpenXml).writer == nullptr) {
        // Until the .docx writer exists, the save fails before any mail program is asked.
        dialogs.inputs.push_back(QStringLiteral("zprava"));
        EXPECT_THROW(online::OdeslatJakoPrilohu(dialogs, realSaver, mail, texts), richedit::Error);
        EXPECT_TRUE(mail.attachments.isEmpty());
        return;
    }
    sendAs(QStringLiteral("zprava"), realSaver);
    EXPECT_TRUE(temp.read(QStringLiteral("zprava.docx")).startsWith("PK"));
    EXPECT_EQ(mail.attachments, QStringList{temp.path(QStringLiteral("zprava.docx"))});
}

TEST_F(EmailCommands, BodyIsTheDocumentAsUtf8Html)
{
    RecordingDialogs editorDialogs;
    richedit::RichEditControl editor(editorDialogs);
    editor.mainStory()->setPlainText(QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy"));
    online::RichEditSaver realSaver(editor);
    online::bSouborOdeslatJakoTeloMailuClick(dialogs, realSaver, mail);
    ASSERT_EQ(mail.bodies.size(), 1);
    EXPECT_TRUE(mail.bodies[0].contains(QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy")))
        << mail.bodies[0].toStdString();
    EXPECT_TRUE(mail.bodies[0].contains(QStringLiteral("<html"), Qt::CaseInsensitive));
    EXPECT_TRUE(filesInTemp().isEmpty());
}

TEST_F(EmailCommands, BodyMailFailureIsShownAndExportFailureIsNot)
{
    mail.failure = QStringLiteral("program xdg-open nelze spustit");
    online::bSouborOdeslatJakoTeloMailuClick(dialogs, saver, mail);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Nepodařilo se otevřít Outlook: program xdg-open nelze spustit")});
    ASSERT_EQ(saver.saves.size(), 1u);
    EXPECT_EQ(saver.saves[0].format, DocumentFormat::Html);

    dialogs.messages.clear();
    saver.fail = true;
    EXPECT_THROW(online::bSouborOdeslatJakoTeloMailuClick(dialogs, saver, mail), richedit::Error);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

} // namespace
