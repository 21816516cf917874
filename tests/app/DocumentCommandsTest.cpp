#include "MainWindowFixture.h"

#include <QFileInfo>

namespace {

using Kind = ui::FakeDialogs::Kind;
const QString question = QStringLiteral("Chcete uložit změny v souboru?");

class DocumentCommandsTest : public MainWindowFixture {};

TEST_F(DocumentCommandsTest, TitleFollowsFileAndModifiedFlagInAllFourStates)
{
    start();
    EXPECT_EQ(form->windowTitle(), "TAVEL Editor"); // unnamed, not modified
    type("a");
    EXPECT_EQ(form->windowTitle(), "TAVEL Editor"); // unnamed, modified

    dialogs.saveFiles.push_back(ui::FileChoice{files.path("Zprava.txt"), "Plain Text (*.txt)"});
    form->BSouborUlozitClick();
    EXPECT_EQ(form->windowTitle(), "TAVEL Editor - (Zprava.txt)"); // named, not modified
    EXPECT_EQ(form->CurrentFilePath, files.path("Zprava.txt"));
    type("b");
    EXPECT_EQ(form->windowTitle(), "TAVEL Editor - (Zprava.txt) *"); // named, modified
    form->BSouborUlozitClick();
    EXPECT_EQ(form->windowTitle(), "TAVEL Editor - (Zprava.txt)");
    EXPECT_EQ(files.read("Zprava.txt"), QByteArray("ab"));
    EXPECT_EQ(dialogs.texts(Kind::SaveFile).size(), 1); // the second save needed no dialog
}

struct ConfirmCase {
    const char *name;
    ui::Answer answer;
    bool saveChosen; // a file is picked in the save dialog that Yes opens
    bool expected;
    bool savedAfterwards;
};

class ConfirmSaveChangesTest : public DocumentCommandsTest, public ::testing::WithParamInterface<ConfirmCase> {};

TEST_P(ConfirmSaveChangesTest, AnswersDecideWhetherToGoOn)
{
    start();
    type("text");
    dialogs.answers.push_back(GetParam().answer);
    if (GetParam().saveChosen)
        dialogs.saveFiles.push_back(ui::FileChoice{files.path("out.txt"), "Plain Text (*.txt)"});
    EXPECT_EQ(form->ConfirmSaveChanges(), GetParam().expected);
    EXPECT_EQ(dialogs.texts(Kind::Question), QStringList{question + "\n\n"});
    EXPECT_EQ(QFileInfo::exists(files.path("out.txt")), GetParam().savedAfterwards);
    EXPECT_EQ(editor().DocumentModelModified(), !GetParam().savedAfterwards);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ConfirmSaveChangesTest,
    ::testing::Values(ConfirmCase{"YesSaves", ui::Answer::Yes, true, true, true},
                      ConfirmCase{"YesThenCancelledSaveKeepsChanges", ui::Answer::Yes, false, false, false},
                      ConfirmCase{"NoGoesOnWithoutSaving", ui::Answer::No, false, true, false},
                      ConfirmCase{"CancelStops", ui::Answer::Cancel, false, false, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(DocumentCommandsTest, QuestionNamesTheCurrentFile)
{
    const QString path = files.write("named.txt", "x");
    start({path});
    type("y");
    dialogs.answers.push_back(ui::Answer::Cancel);
    EXPECT_FALSE(form->ConfirmSaveChanges());
    EXPECT_EQ(dialogs.texts(Kind::Question), QStringList{question + "\n\n" + path});
}

TEST_F(DocumentCommandsTest, UnmodifiedDocumentIsNotAskedAbout)
{
    start();
    EXPECT_TRUE(form->ConfirmSaveChanges());
    form->BSouborNovyClick();
    EXPECT_EQ(dialogs.count(), 0u);
}

TEST_F(DocumentCommandsTest, NewAsksOnceAndCancelKeepsEverything)
{
    const QString path = files.write("keep.txt", "kept");
    start({path});
    type("!");
    dialogs.answers.push_back(ui::Answer::Cancel);
    form->BSouborNovyClick();
    EXPECT_EQ(dialogs.texts(Kind::Question).size(), 1);
    EXPECT_EQ(editor().document().plainText(), "!kept");
    EXPECT_EQ(form->CurrentFilePath, path);
    EXPECT_EQ(form->windowTitle(), "TAVEL Editor - (keep.txt) *");
    EXPECT_TRUE(form->FAskOnClose);

    dialogs.answers.push_back(ui::Answer::No);
    form->BSouborNovyClick();
    EXPECT_EQ(dialogs.texts(Kind::Question).size(), 2); // one more, not two
    EXPECT_EQ(editor().document().plainText(), QString());
    EXPECT_TRUE(form->CurrentFilePath.isEmpty());
    EXPECT_EQ(form->windowTitle(), "TAVEL Editor");
    EXPECT_TRUE(form->FAskOnClose);
}

TEST_F(DocumentCommandsTest, OpenAsksOnceThenLoadsThePickedFile)
{
    const QString path = files.write("picked.txt", "from disk");
    start();
    type("draft");
    dialogs.answers.push_back(ui::Answer::No);
    dialogs.openFiles.push_back(ui::FileChoice{path, QString()});
    form->acOtevritExecute();
    EXPECT_EQ(dialogs.texts(Kind::Question).size(), 1);
    EXPECT_EQ(editor().document().plainText(), "from disk");
    EXPECT_EQ(form->windowTitle(), "TAVEL Editor - (picked.txt)");
    EXPECT_TRUE(form->FAskOnClose);
}

TEST_F(DocumentCommandsTest, CancelledOpenDialogChangesNothing)
{
    const QString path = files.write("a.txt", "a");
    start({path});
    type("b");
    dialogs.answers.push_back(ui::Answer::No);
    form->acOtevritExecute(); // the fake cancels the open dialog
    EXPECT_EQ(editor().document().plainText(), "ba");
    EXPECT_EQ(form->CurrentFilePath, path);
    EXPECT_EQ(form->windowTitle(), "TAVEL Editor - (a.txt) *");
}

TEST_F(DocumentCommandsTest, FailedOpenReportsTheErrorAndKeepsTheDocument)
{
    const QString path = files.write("old.doc", "\xD0\xCF\x11\xE0");
    start();
    type("mine");
    dialogs.answers.push_back(ui::Answer::No);
    dialogs.openFiles.push_back(ui::FileChoice{path, QString()});
    form->BSouborOtevrit->trigger(); // through the handler guard, as a click
    ASSERT_EQ(dialogs.texts(Kind::Error).size(), 1);
    EXPECT_TRUE(dialogs.texts(Kind::Error).first().contains("old.doc"));
    EXPECT_EQ(editor().document().plainText(), "mine");
    EXPECT_TRUE(form->FAskOnClose);
}

TEST_F(DocumentCommandsTest, SaveOfUnnamedDocumentAsksForAName)
{
    start();
    type("x");
    dialogs.saveFiles.push_back(ui::FileChoice{files.path("named"), "Plain Text (*.txt)"});
    form->BSouborUlozitClick();
    EXPECT_EQ(form->windowTitle(), "TAVEL Editor - (named.txt)");
    type("y");
    EXPECT_EQ(form->windowTitle(), "TAVEL Editor - (named.txt) *");
}

struct CommandLineCase {
    const char *name;
    const char *fileName; // created with the content below; null for a missing file
    QByteArray content;
    const char *message; // the message that ends the program, or null
    const char *title;
};

class CommandLineTest : public DocumentCommandsTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLineTest, OpensOrEndsWithItsMessage)
{
    const CommandLineCase &c = GetParam();
    const QString path = c.content.isNull() ? files.path(c.fileName) : files.write(c.fileName, c.content);
    create({path});
    if (c.message) {
        EXPECT_TRUE(form->terminated());
        ASSERT_EQ(dialogs.texts(Kind::Message).size(), 1);
        EXPECT_TRUE(dialogs.texts(Kind::Message).first().startsWith(QString::fromUtf8(c.message)))
            << dialogs.texts(Kind::Message).first().toStdString();
    } else {
        EXPECT_FALSE(form->terminated());
        EXPECT_EQ(dialogs.count(), 0u);
    }
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8(c.title));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"PlainText", "Zprava.txt", "ahoj", nullptr, "TAVEL Editor - (Zprava.txt)"},
        CommandLineCase{"CapitalExtension", "POZNAMKA.TXT", "x", nullptr, "TAVEL Editor - (POZNAMKA.TXT)"},
        CommandLineCase{"MissingFileStartsUnnamed", "missing.docx", QByteArray(), nullptr, "TAVEL Editor"},
        CommandLineCase{"Markdown", "readme.md", "# x", "Nepodporovaný formát souboru: .md", "TAVEL Editor"},
        CommandLineCase{"NoExtension", "Makefile", "all:", "Nepodporovaný formát souboru: ", "TAVEL Editor"},
        CommandLineCase{"CapitalRtf", "Zprava.RTF", "{\\rtf1 x}", nullptr, "TAVEL Editor - (Zprava.RTF)"},
        CommandLineCase{"CorruptDocx", "broken.docx", "PK\x03\x04 cut", "Soubor se nepodařilo načíst: ",
                        "TAVEL Editor"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(DocumentCommandsTest, CapitalRtfIsReadAsRichText)
{
    create({files.write("Zprava.RTF", "{\\rtf1\\ansi\\ansicpg1250 {\\b tu\\'e8n\\'ec}}")});
    EXPECT_EQ(editor().document().plainText(), QStringLiteral("tučně"));
}

TEST_F(DocumentCommandsTest, NoExtensionMessageEndsRightAfterThePrefix)
{
    create({files.write("Makefile", "all:")});
    EXPECT_EQ(dialogs.texts(Kind::Message), QStringList{"Nepodporovaný formát souboru: "});
}

TEST_F(DocumentCommandsTest, MissingFileStaysUnnamedAfterTheFirstEdit)
{
    start({files.path("nothing.txt")});
    type("x");
    EXPECT_EQ(form->windowTitle(), "TAVEL Editor");
    EXPECT_TRUE(form->CurrentFilePath.isEmpty());
}

TEST_F(DocumentCommandsTest, InvalidUtf8OpensWithReplacementCharacters)
{
    create({files.write("bad.txt", "a\xFF\xC3")});
    EXPECT_FALSE(form->terminated());
    EXPECT_EQ(editor().document().plainText(), QStringLiteral("a\uFFFD\uFFFD"));
}

} // namespace
