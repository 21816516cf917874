#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/model/TextFormats.h"

#include <QBuffer>
#include "CommandsFixture.h"

#include "platform/richedit/commands/CharacterCommands.h"
#include "platform/richedit/commands/SelectionFormat.h"

#include "platform/rtl/Error.h"

#include <QLocale>

#include <functional>

using namespace richedit;

namespace {

struct ToggleCase {
    const char *command;
    std::function<bool(const QTextCharFormat &)> has;
};

void PrintTo(const ToggleCase &c, std::ostream *os)
{
    *os << c.command;
}

const ToggleCase toggleCases[] = {
    {"ToggleFontBold", [](const QTextCharFormat &f) { return f.fontWeight() >= QFont::Bold; }},
    {"ToggleFontItalic", [](const QTextCharFormat &f) { return f.fontItalic(); }},
    {"ToggleFontUnderline", [](const QTextCharFormat &f) { return f.fontUnderline() && underlineType(f) != UnderlineType::Double; }},
    {"ToggleFontDoubleUnderline", [](const QTextCharFormat &f) { return f.fontUnderline() && underlineType(f) == UnderlineType::Double; }},
    {"ToggleFontStrikeout", [](const QTextCharFormat &f) { return f.fontStrikeOut() && !f.boolProperty(prop::DoubleStrikeOut); }},
    {"ToggleFontDoubleStrikeout", [](const QTextCharFormat &f) { return f.fontStrikeOut() && f.boolProperty(prop::DoubleStrikeOut); }},
    {"ToggleFontSubscript", [](const QTextCharFormat &f) { return f.verticalAlignment() == QTextCharFormat::AlignSubScript; }},
    {"ToggleFontSuperscript", [](const QTextCharFormat &f) { return f.verticalAlignment() == QTextCharFormat::AlignSuperScript; }},
};

class ToggleTest : public CommandsTest, public ::testing::WithParamInterface<ToggleCase> {};

} // namespace

TEST_P(ToggleTest, SelectionGetsTheFormatAndThePressedStateFollowsTheCaret)
{
    const ToggleCase &c = GetParam();
    setText(QStringLiteral("one two three"));
    // "two" carries an italic run of its own so that the change spans several runs.
    QTextCursor run(&story());
    run.setPosition(5);
    run.setPosition(6, QTextCursor::KeepAnchor);
    QTextCharFormat colour;
    colour.setForeground(Qt::blue);
    run.mergeCharFormat(colour);
    story().clearUndoRedoStacks();

    select(4, 7);
    ASSERT_FALSE(commands.isChecked(c.command));
    commands.execute(c.command);
    for (int i = 4; i < 7; ++i)
        EXPECT_TRUE(c.has(formatAt(i))) << "character " << i;
    EXPECT_FALSE(c.has(formatAt(3)));
    EXPECT_FALSE(c.has(formatAt(7)));
    EXPECT_EQ(formatAt(5).foreground().color(), QColor(Qt::blue)) << "the run keeps its other properties";
    EXPECT_TRUE(commands.isChecked(c.command));

    select(5, 5);
    EXPECT_TRUE(commands.isChecked(c.command)) << "caret inside the changed word";
    select(1, 1);
    EXPECT_FALSE(commands.isChecked(c.command)) << "caret in plain text";

    // One undo step takes the whole change back.
    story().undo();
    for (int i = 0; i < 13; ++i)
        EXPECT_FALSE(c.has(formatAt(i)));
    EXPECT_FALSE(story().isUndoAvailable());

    // Run twice, the toggle takes the format off again.
    select(4, 7);
    commands.execute(c.command);
    commands.execute(c.command);
    EXPECT_FALSE(c.has(formatAt(5)));
    EXPECT_FALSE(commands.isChecked(c.command));
}

TEST_P(ToggleTest, AtACaretTheFormatIsForWhatIsTypedNext)
{
    const ToggleCase &c = GetParam();
    setText(QStringLiteral("word"));
    select(4, 4);
    commands.execute(c.command);
    EXPECT_TRUE(commands.isChecked(c.command));
    QTextCursor typing = control.textCursor();
    typing.insertText(QStringLiteral("x"));
    EXPECT_TRUE(c.has(formatAt(4)));
    EXPECT_FALSE(c.has(formatAt(3)));
}

INSTANTIATE_TEST_SUITE_P(Font, ToggleTest, ::testing::ValuesIn(toggleCases));

TEST_F(CommandsTest, UnderlineAndDoubleUnderlineReplaceEachOther)
{
    setText(QStringLiteral("text"));
    select(0, 4);
    commands.execute(u"ToggleFontDoubleUnderline");
    commands.execute(u"ToggleFontUnderline");
    EXPECT_TRUE(commands.isChecked(u"ToggleFontUnderline"));
    EXPECT_FALSE(commands.isChecked(u"ToggleFontDoubleUnderline"));
    commands.execute(u"ToggleFontSuperscript");
    commands.execute(u"ToggleFontSubscript");
    EXPECT_TRUE(commands.isChecked(u"ToggleFontSubscript"));
    EXPECT_FALSE(commands.isChecked(u"ToggleFontSuperscript"));
}

struct SavedFormatCase {
    const char *name;
    richedit::DocumentFormat format;
};

class FormattingSurvivesSaving : public CommandsTest, public ::testing::WithParamInterface<SavedFormatCase> {};

// What the commands set must be what the writers know, or a save loses it.
TEST_P(FormattingSurvivesSaving, DoubleUnderlineAndDoubleStrikeout)
{
    setText(QStringLiteral("one two"));
    select(0, 3);
    commands.execute(u"ToggleFontDoubleUnderline");
    select(4, 7);
    commands.execute(u"ToggleFontDoubleStrikeout");

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    control.SaveDocument(buffer, GetParam().format);
    const auto back = richedit::readDocument(buffer.data(), GetParam().format, QStringLiteral("saved"));
    QTextCursor probe(back->mainStory());
    probe.setPosition(2);
    EXPECT_EQ(richedit::underlineType(probe.charFormat()), richedit::UnderlineType::Double);
    probe.setPosition(6);
    EXPECT_TRUE(probe.charFormat().fontStrikeOut());
    EXPECT_TRUE(probe.charFormat().boolProperty(richedit::prop::DoubleStrikeOut));
}

INSTANTIATE_TEST_SUITE_P(Formats, FormattingSurvivesSaving,
                         ::testing::Values(SavedFormatCase{"Docx", richedit::DocumentFormat::OpenXml},
                                           SavedFormatCase{"Rtf", richedit::DocumentFormat::Rtf}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(CommandsTest, FontNameAndSizeBoxesShowAndSetTheSelectionsFont)
{
    setText(QStringLiteral("alpha beta"));
    const EditorCommand &name = *EditorCommands::find(u"ChangeFontName");
    const EditorCommand &size = *EditorCommands::find(u"ChangeFontSize");
    select(1, 1);
    EXPECT_EQ(commands.value(name).toString(), control.document().defaultFont().family());
    EXPECT_EQ(commands.value(size).toString(), QLocale().toString(control.document().defaultFont().pointSizeF()));

    select(6, 10);
    commands.execute(name, QStringLiteral("DejaVu Sans"));
    commands.execute(size, QStringLiteral("20"));
    EXPECT_EQ(commands.value(name).toString(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(commands.value(size).toString(), QStringLiteral("20"));
    EXPECT_EQ(formatAt(7).fontPointSize(), 20);
    EXPECT_EQ(formatAt(2).fontPointSize(), 0) << "text outside the selection keeps its size";
    story().undo();
    EXPECT_EQ(formatAt(7).fontPointSize(), 0) << "each change is one undo step";
}

TEST_F(CommandsTest, FontSizeThatIsNotANumberIsRefusedWithAMessage)
{
    setText(QStringLiteral("alpha"));
    select(0, 5);
    for (const char *bad : {"abc", "0", "5000"}) {
        try {
            commands.execute(u"ChangeFontSize", QString::fromLatin1(bad));
            ADD_FAILURE() << bad << " was accepted";
        } catch (const platform::Error &error) {
            EXPECT_STREQ(error.what(), "The font size must be a number between 1 and 1638.");
        }
    }
    EXPECT_FALSE(story().isUndoAvailable());
}

TEST(FontSizeSteps, GrowAndShrinkFollowTheSizeList)
{
    const struct {
        qreal from;
        qreal up;
        qreal down;
    } cases[] = {{12, 14, 11}, {11.5, 12, 11}, {8, 9, 7}, {72, 80, 48}, {2, 8, 1}, {85, 90, 80}, {1, 8, 1}};
    for (const auto &c : cases) {
        EXPECT_EQ(character::nextFontSize(c.from, true), c.up) << c.from;
        EXPECT_EQ(character::nextFontSize(c.from, false), c.down) << c.from;
    }
}

TEST_F(CommandsTest, GrowFontChangesTheSelectionsSize)
{
    setText(QStringLiteral("alpha"));
    select(0, 5);
    commands.execute(u"IncreaseFontSize");
    EXPECT_EQ(formatAt(0).fontPointSize(), 14);
    commands.execute(u"DecreaseFontSize");
    commands.execute(u"DecreaseFontSize");
    EXPECT_EQ(formatAt(0).fontPointSize(), 11);
}

TEST_F(CommandsTest, GalleriesApplyThePickedColourAndRememberIt)
{
    setText(QStringLiteral("alpha beta"));
    select(0, 5);
    commands.execute(u"TextHighlight", QColor(Qt::green));
    EXPECT_EQ(formatAt(2).background().color(), QColor(Qt::green));
    select(6, 10);
    commands.execute(u"TextHighlight"); // the button itself: the last colour again
    EXPECT_EQ(formatAt(7).background().color(), QColor(Qt::green));
    commands.execute(u"TextHighlight", QColor()); // "No Color"
    EXPECT_FALSE(formatAt(7).hasProperty(QTextFormat::BackgroundBrush));

    commands.execute(u"ChangeFontColor", QColor(Qt::red));
    EXPECT_EQ(formatAt(7).foreground().color(), QColor(Qt::red));
    EXPECT_EQ(commands.value(*EditorCommands::find(u"ChangeFontColor")).value<QColor>(), QColor(Qt::red));
}

TEST_F(CommandsTest, FontDialogAppliesItsChoiceAndCancelChangesNothing)
{
    setText(QStringLiteral("alpha"));
    select(0, 5);
    editorDialogs.fonts.push_back(std::nullopt);
    commands.execute(u"ShowFontForm");
    EXPECT_FALSE(story().isUndoAvailable());

    QFont chosen(QStringLiteral("DejaVu Sans"), 17);
    chosen.setItalic(true);
    editorDialogs.fonts.push_back(chosen);
    commands.execute(u"ShowFontForm");
    EXPECT_EQ(formatAt(1).fontPointSize(), 17);
    EXPECT_TRUE(formatAt(1).fontItalic());
    EXPECT_EQ(formatAt(1).fontFamilies().toStringList().value(0), QStringLiteral("DejaVu Sans"));
}
