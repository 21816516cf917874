#include "CommandsFixture.h"

#include "platform/richedit/commands/ProtectionPassword.h"
#include "platform/richedit/formats/Formats.h"
#include "support/TempDir.h"
#include "support/Typing.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace richedit;

namespace {

// Written by Word for the password "johnjohn" (read-only protection, SHA-512, 100 000 spins).
const char *const wordSalt = "pH1TDVHSfGBxkd3Q88UNhQ==";
const char *const wordHash = "pVjR9ktO9vlxijXcMPlH+4PLwD4Xwy1aqbNQOFmWaSpvBjipNh//T8S3nBhq6HRoRVfWL6s/+NdUCPTxUr0vZw==";

Protection wordProtection()
{
    Protection p;
    p.kind = ProtectionKind::ReadOnly;
    p.enforced = true;
    p.algorithm = QStringLiteral("sid:14");
    p.hash = QString::fromLatin1(wordHash);
    p.salt = QString::fromLatin1(wordSalt);
    p.spinCount = 100000;
    return p;
}

TEST(ProtectionPassword, MatchesTheHashWordWrote)
{
    const QByteArray hash = protection::passwordHash(QStringLiteral("sid:14"), QStringLiteral("johnjohn"),
                                                     QByteArray::fromBase64(wordSalt), 100000);
    EXPECT_EQ(hash.toBase64(), QByteArray(wordHash));
    // The algorithm may also be named instead of numbered.
    EXPECT_TRUE(protection::checkPassword(
        [] { Protection p = wordProtection(); p.algorithm = QStringLiteral("SHA-512"); return p; }(),
        QStringLiteral("johnjohn")));
}

TEST(ProtectionPassword, ChecksRightWrongAndEmptyPasswords)
{
    const struct {
        const char *password;
        bool opens;
    } cases[] = {{"johnjohn", true}, {"johnjohN", false}, {"", false}, {"johnjohn ", false}};
    for (const auto &c : cases)
        EXPECT_EQ(protection::checkPassword(wordProtection(), QString::fromUtf8(c.password)), c.opens) << c.password;
}

TEST(ProtectionPassword, NewProtectionUsesAFreshSaltAndChecksItsOwnPassword)
{
    const Protection a = protection::readOnlyProtection(QStringLiteral("tajné heslo"));
    const Protection b = protection::readOnlyProtection(QStringLiteral("tajné heslo"));
    EXPECT_EQ(a.algorithm, QStringLiteral("sid:14"));
    EXPECT_EQ(a.spinCount, 100000);
    EXPECT_EQ(QByteArray::fromBase64(a.salt.toLatin1()).size(), 16);
    EXPECT_NE(a.salt, b.salt);
    EXPECT_NE(a.hash, b.hash);
    EXPECT_TRUE(protection::checkPassword(a, QStringLiteral("tajné heslo")));
    EXPECT_FALSE(protection::checkPassword(a, QStringLiteral("tajne heslo")));
    // Without a password nothing is hashed and anyone may unprotect.
    const Protection open = protection::readOnlyProtection(QString());
    EXPECT_TRUE(open.hash.isEmpty());
    EXPECT_TRUE(open.enforced);
}

TEST(ProtectionPassword, AnUnknownAlgorithmOpensWithNoPassword)
{
    Protection p = wordProtection();
    p.algorithm = QStringLiteral("sid:1"); // MD2
    EXPECT_FALSE(protection::canCheck(p));
    EXPECT_FALSE(protection::checkPassword(p, QStringLiteral("johnjohn")));
}

class ProtectionTest : public CommandsTest {
protected:
    void SetUp() override
    {
        control.resize(800, 600);
        control.show();
        control.setFocus();
        QApplication::processEvents();
        setText(QStringLiteral("Locked text"));
    }
    void protect(const QString &password)
    {
        editorDialogs.newPasswords.push_back(password);
        commands.execute("ProtectDocument");
    }
};

TEST_F(ProtectionTest, AProtectedDocumentRefusesTypingDeletingPastingAndFormatting)
{
    protect(QStringLiteral("pw"));
    ASSERT_TRUE(control.isReadOnly());
    EXPECT_EQ(control.document().protection().kind, ProtectionKind::ReadOnly);
    EXPECT_TRUE(control.DocumentModelModified());

    select(0, 6);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    typeText(control.viewport(), QStringLiteral("x"));
    QTest::keyClick(control.viewport(), Qt::Key_Delete);
    QTest::keyClick(control.viewport(), Qt::Key_Backspace);
    QTest::keyClick(control.viewport(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(control.viewport(), Qt::Key_X, Qt::ControlModifier);
    for (const char *command : {"ToggleFontBold", "PasteSelection", "CutSelection", "ShowInsertTableForm",
                                "InsertTableOfContents", "TableOfContentsSetParagraphHeading1Level", "ProtectDocument"}) {
        EXPECT_FALSE(commands.isEnabled(command)) << command;
        commands.execute(command);
    }
    EXPECT_EQ(story().toPlainText(), QStringLiteral("Locked text"));
    EXPECT_FALSE(formatAt(0).fontWeight() == QFont::Bold);
    // Reading still works.
    for (const char *command : {"CopySelection", "SelectAll", "ZoomIn", "UnprotectDocument", "SwitchToDraftView"})
        EXPECT_TRUE(commands.isEnabled(command)) << command;
}

TEST_F(ProtectionTest, UnprotectAsksThePasswordAndKeepsTheLockOnAWrongOne)
{
    protect(QStringLiteral("right"));
    const struct {
        std::optional<QString> answer;
        bool unlocked;
        bool told;
    } cases[] = {
        {std::nullopt, false, false}, // cancelled
        {QStringLiteral("wrong"), false, true},
        {QString(), false, true},
        {QStringLiteral("right"), true, false},
    };
    for (const auto &c : cases) {
        editorDialogs.messages.clear();
        editorDialogs.passwords.push_back(c.answer);
        commands.execute("UnprotectDocument");
        EXPECT_EQ(!control.isReadOnly(), c.unlocked);
        EXPECT_EQ(control.document().protection().kind == ProtectionKind::None, c.unlocked);
        EXPECT_EQ(!editorDialogs.messages.isEmpty(), c.told);
    }
    typeText(control.viewport(), QStringLiteral("!"));
    EXPECT_NE(story().toPlainText(), QStringLiteral("Locked text"));
    EXPECT_TRUE(commands.isEnabled("ProtectDocument"));
    EXPECT_FALSE(commands.isEnabled("UnprotectDocument"));
}

TEST_F(ProtectionTest, WithoutAPasswordUnprotectAsksNothing)
{
    protect(QString());
    ASSERT_TRUE(control.isReadOnly());
    commands.execute("UnprotectDocument");
    EXPECT_FALSE(control.isReadOnly());
    EXPECT_TRUE(editorDialogs.passwords.empty());
}

TEST_F(ProtectionTest, CancellingTheDialogLeavesTheDocumentOpen)
{
    editorDialogs.newPasswords.push_back(std::nullopt);
    commands.execute("ProtectDocument");
    EXPECT_FALSE(control.isReadOnly());
    EXPECT_EQ(control.document().protection().kind, ProtectionKind::None);
}

TEST_F(ProtectionTest, ProtectionAndItsHashSurviveDocxAndTheReloadIsReadOnly)
{
    protect(QStringLiteral("geheim"));
    const Protection saved = control.document().protection();
    TempDir dir;
    const QString path = dir.path(QStringLiteral("locked.docx"));
    control.SaveDocument(path, DocumentFormat::OpenXml);
    control.newDocument();
    EXPECT_FALSE(control.isReadOnly());
    control.LoadDocument(path, DocumentFormat::OpenXml);
    EXPECT_EQ(control.document().protection(), saved);
    EXPECT_TRUE(control.isReadOnly());
    editorDialogs.passwords.push_back(QStringLiteral("geheim"));
    commands.execute("UnprotectDocument");
    EXPECT_FALSE(control.isReadOnly());
}

} // namespace
