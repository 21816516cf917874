#include "online/BuildInfo.h"
#include "online/oaplikaci.h"

#include "RecordingDialogs.h"
#include "platform/shell/FakeShell.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AboutWindow : public testing::Test {
protected:
    RecordingDialogs dialogs;
    shell::FakeShell shell;
    Tfoaplikaci about{shell, dialogs};
};

TEST_F(AboutWindow, HasItsLayout)
{
    EXPECT_EQ(about.windowTitle(), QStringLiteral("O Aplikaci"));
    EXPECT_EQ(about.height(), 167);
    EXPECT_GE(about.width(), 384);
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(about.font().family(), QStringLiteral("Segoe UI"));
    EXPECT_EQ(about.font().pointSize(), 9);

    struct Row {
        QLabel *label;
        QPoint at;
        QString text;
        bool bold;
    };
    const Row rows[] = {{about.lAutor, {168, 25}, QStringLiteral("Autor:"), true},
                        {about.Label1, {264, 25}, buildinfo::authorName(), false},
                        {about.lInfo, {168, 46}, QStringLiteral("Info"), true},
                        {about.lKontaktMail, {264, 46}, buildinfo::contactMail(), false},
                        {about.lWeb, {168, 67}, QStringLiteral("Web: "), true},
                        {about.lNaWeb, {264, 67}, buildinfo::webAddress(), false},
                        {about.lVerze, {168, 88}, QStringLiteral("Verze:"), true},
                        {about.lVerzeCislo, {264, 88}, QStringLiteral("3.25.11"), false}};
    for (const Row &row : rows) {
        EXPECT_EQ(row.label->pos(), row.at) << row.text.toStdString();
        EXPECT_EQ(row.label->text(), row.text);
        EXPECT_EQ(row.label->font().bold(), row.bold) << row.text.toStdString();
        EXPECT_LE(row.label->x() + row.label->sizeHint().width(), about.width()) << "cut off: " << row.text.toStdString();
    }
    EXPECT_EQ(about.Image1->geometry(), QRect(8, 25, 129, 133));
    EXPECT_EQ(about.Image1->pixmap().size(), QSize(128, 128));
    EXPECT_EQ(about.Button1->geometry(), QRect(225, 128, 75, 25));
    EXPECT_TRUE(about.Button1->isDefault());
    EXPECT_EQ(about.lKontaktMail->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(about.lNaWeb->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutWindow, MailtoLinkWritesSpacesAsPercent20AndNothingElse)
{
    EXPECT_EQ(Tfoaplikaci::mailtoLink(QStringLiteral("info@tavel.invalid"), QStringLiteral("3.25.11")),
              QStringLiteral("mailto:info@tavel.invalid?subject=TAVEL%20Editor%203.25.11"));
    EXPECT_EQ(Tfoaplikaci::mailtoLink(QStringLiteral("a b@c.invalid"), QStringLiteral("1&2")),
              QStringLiteral("mailto:a%20b@c.invalid?subject=TAVEL%20Editor%201&2"));
}

TEST_F(AboutWindow, MailLabelClickWritesToTheClickedAddress)
{
    about.lKontaktMail->setText(QStringLiteral("autor@tavel.invalid"));
    QTest::mouseClick(about.lKontaktMail, Qt::LeftButton);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].operation, QString());
    EXPECT_EQ(shell.calls[0].file, QStringLiteral("mailto:autor@tavel.invalid?subject=TAVEL%20Editor%203.25.11"));
    EXPECT_EQ(shell.calls[0].showCommand, shell::SW_SHOWNORMAL);
}

TEST_F(AboutWindow, WebLabelComplainsOnlyOnTheShellsErrorCodes)
{
    for (int result = 0; result <= 42; ++result) {
        shell.calls.clear();
        dialogs.messages.clear();
        shell.result = result;
        QTest::mouseClick(about.lNaWeb, Qt::LeftButton);
        ASSERT_EQ(shell.calls.size(), 1u);
        EXPECT_EQ(shell.calls[0].file, about.lNaWeb->text());
        EXPECT_EQ(shell.calls[0].showCommand, shell::SW_SHOW);
        const bool failure = QList<int>{0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32}.contains(result);
        EXPECT_EQ(dialogs.messages,
                  failure ? QStringList{QStringLiteral("Nepodarilo se spustit prohlizec")} : QStringList())
            << "result " << result;
    }
}

TEST_F(AboutWindow, OkClosesTheWindow)
{
    about.show();
    about.Button1->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

} // namespace
