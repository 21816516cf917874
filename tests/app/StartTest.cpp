#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

using Kind = ui::FakeDialogs::Kind;

class StartTest : public MainWindowFixture {};

TEST_F(StartTest, ShowCopiesStoredPreferencesIntoTheDialog)
{
    writeSettings("[Settings]\nSelectedRadio=de\nVlastniSlovnik=1\nCestaDic=/d/x.dic\nCestaAff=/d/x.aff\n");
    start();
    EXPECT_TRUE(nastaveni->rbNemcina->isChecked());
    EXPECT_TRUE(nastaveni->cbVlastniSlovnik->isChecked());
    EXPECT_EQ(nastaveni->eCestaKDic->text(), "/d/x.dic");
    EXPECT_EQ(nastaveni->eCestaKAff->text(), "/d/x.aff");
    EXPECT_TRUE(nastaveni->eCestaKDic->isEnabled()); // the check box enabled its controls
}

struct CodeCase {
    const char *code;
    QRadioButton *TfNastaveni::*checked;
};

class LanguageCodeTest : public StartTest, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(LanguageCodeTest, StoredCodeChecksItsRadioButtonExactly)
{
    writeSettings(QByteArray("[Settings]\nSelectedRadio=") + GetParam().code + "\n");
    start();
    EXPECT_TRUE((nastaveni.get()->*GetParam().checked)->isChecked()) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(Codes, LanguageCodeTest,
                         ::testing::Values(CodeCase{"cs", &TfNastaveni::rbCestina},
                                           CodeCase{"ru", &TfNastaveni::rbRustina},
                                           CodeCase{"sk", &TfNastaveni::rbSlovenctina},
                                           // capitals match no row: the layout's English stays
                                           CodeCase{"EN", &TfNastaveni::rbAnglictina},
                                           CodeCase{"CS", &TfNastaveni::rbAnglictina},
                                           CodeCase{"", &TfNastaveni::rbAnglictina}));

TEST_F(StartTest, ShowingTheWindowAgainDoesNotRunTheStartAgain)
{
    writeSettings("[Settings]\nSelectedRadio=cs\n");
    start();
    nastaveni->rbPolstina->setChecked(true);
    form->hide();
    form->show();
    QApplication::processEvents();
    EXPECT_TRUE(nastaveni->rbPolstina->isChecked());
}

TEST_F(StartTest, ClosingUnmodifiedAsksNothingAndWritesSettings)
{
    start();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_FALSE(settings().isEmpty());
}

TEST_F(StartTest, ClosingModifiedWithCancelKeepsWindowAndWritesNothing)
{
    start();
    type("x");
    dialogs.answers.push_back(ui::Answer::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(settings().isEmpty());
}

TEST_F(StartTest, ClosingModifiedWithNoClosesWithoutSavingAndWritesSettings)
{
    start();
    type("x");
    dialogs.answers.push_back(ui::Answer::No);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(settings().isEmpty());
}

TEST_F(StartTest, YesWithCancelledSaveDialogKeepsTheWindowOpen)
{
    start();
    type("precious");
    dialogs.answers.push_back(ui::Answer::Yes); // and the fake cancels the save dialog
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(editor().document().plainText(), "precious");
    EXPECT_TRUE(settings().isEmpty());
}

TEST_F(StartTest, YesWithFailingSaveReportsAndKeepsTheWindowOpen)
{
    const QString path = files.write("locked.txt", "old");
    start({path});
    type("new ");
    QFile::setPermissions(files.root(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool locked = !QFile(files.path("probe")).open(QIODevice::WriteOnly);
    QFile::remove(files.path("probe"));
    if (locked) { // not when the tests run as root
        dialogs.answers.push_back(ui::Answer::Yes);
        EXPECT_FALSE(form->close());
        EXPECT_EQ(dialogs.texts(Kind::Error).size(), 1);
        EXPECT_EQ(files.read("locked.txt"), QByteArray("old"));
        EXPECT_TRUE(editor().DocumentModelModified());
    }
    QFile::setPermissions(files.root(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(StartTest, YesSavesTheNamedFileAndCloses)
{
    const QString path = files.write("doc.txt", "old");
    start({path});
    type("new ");
    dialogs.answers.push_back(ui::Answer::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(files.read("doc.txt"), QByteArray("new old"));
}

} // namespace
