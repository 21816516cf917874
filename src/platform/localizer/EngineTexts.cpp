#include "EngineTexts.h"

#include "platform/richedit/commands/EditorCommands.h"

namespace localizer {
namespace {

struct DialogText {
    const char *key;
    const char *context;
    const char *english;
};

// The texts of the engine's dialogs and of the Qt controls the engine is built from, each in
// the context in which it is asked for. The Qt contexts are Qt's own, so that the font dialog,
// the editing context menus and the standard buttons follow the localizer without code of ours.
// clang-format off
const DialogText dialogTexts[] = {
    // Find and replace.
    {"FindReplace.FindTitle", "richedit::FindReplaceDialog", "Find"},
    {"FindReplace.ReplaceTitle", "richedit::FindReplaceDialog", "Replace"},
    {"FindReplace.FindWhat", "richedit::FindReplaceDialog", "Fi&nd what:"},
    {"FindReplace.ReplaceWith", "richedit::FindReplaceDialog", "Replace &with:"},
    {"FindReplace.MatchCase", "richedit::FindReplaceDialog", "Match &case"},
    {"FindReplace.WholeWord", "richedit::FindReplaceDialog", "Find whole words &only"},
    {"FindReplace.FindNext", "richedit::FindReplaceDialog", "&Find Next"},
    {"FindReplace.Replace", "richedit::FindReplaceDialog", "&Replace"},
    {"FindReplace.ReplaceAll", "richedit::FindReplaceDialog", "Replace &All"},
    {"FindReplace.NotFound", "richedit::FindReplaceDialog", "The search item was not found."},
    {"FindReplace.Replaced", "richedit::FindReplaceDialog", "Replaced %1 occurrence(s)."},

    // Paragraph.
    {"Paragraph.Title", "richedit::ParagraphDialog", "Paragraph"},
    {"Paragraph.Alignment", "richedit::ParagraphDialog", "Alignment:"},
    {"Paragraph.LeftIndent", "richedit::ParagraphDialog", "Left indent:"},
    {"Paragraph.RightIndent", "richedit::ParagraphDialog", "Right indent:"},
    {"Paragraph.FirstLine", "richedit::ParagraphDialog", "First line:"},
    {"Paragraph.SpacingBefore", "richedit::ParagraphDialog", "Spacing before:"},
    {"Paragraph.SpacingAfter", "richedit::ParagraphDialog", "Spacing after:"},
    {"Paragraph.LineSpacing", "richedit::ParagraphDialog", "Line spacing:"},
    {"Paragraph.AlignLeft", "richedit::ParagraphDialog", "Left"},
    {"Paragraph.AlignCentered", "richedit::ParagraphDialog", "Centered"},
    {"Paragraph.AlignRight", "richedit::ParagraphDialog", "Right"},
    {"Paragraph.AlignJustified", "richedit::ParagraphDialog", "Justified"},
    {"Paragraph.SpacingSingle", "richedit::ParagraphDialog", "Single"},
    {"Paragraph.SpacingOneAndHalf", "richedit::ParagraphDialog", "1.5 lines"},
    {"Paragraph.SpacingDouble", "richedit::ParagraphDialog", "Double"},

    // Spelling dialog and the spelling entries of the context menu.
    {"Spelling.Title", "richedit::SpellingDialog", "Spelling"},
    {"Spelling.NotInDictionary", "richedit::SpellingDialog", "&Not in Dictionary:"},
    {"Spelling.ChangeTo", "richedit::SpellingDialog", "C&hange to:"},
    {"Spelling.Suggestions", "richedit::SpellingDialog", "Suggestio&ns:"},
    {"Spelling.IgnoreOnce", "richedit::SpellingDialog", "&Ignore Once"},
    {"Spelling.IgnoreAll", "richedit::SpellingDialog", "I&gnore All"},
    {"Spelling.Add", "richedit::SpellingDialog", "&Add to Dictionary"},
    {"Spelling.Change", "richedit::SpellingDialog", "&Change"},
    {"Spelling.ChangeAll", "richedit::SpellingDialog", "Change A&ll"},
    {"Spelling.Close", "richedit::SpellingDialog", "Close"},
    {"Spelling.Language", "richedit::SpellingDialog", "Dictionary language: %1"},
    {"Spelling.NoSuggestions", "richedit::SpellingDialog", "(no suggestions)"},
    {"Spelling.Complete", "richedit::SpellingDialog", "The spelling check is complete."},
    {"Spelling.NoDictionaries", "richedit::SpellingDialog", "No spelling dictionaries are available. Choose the language of the dictionary in the program's preferences."},
    {"LiveSpelling.NoSuggestions", "richedit::LiveSpelling", "(no suggestions)"},
    {"LiveSpelling.IgnoreAll", "richedit::LiveSpelling", "Ignore All"},
    {"LiveSpelling.Add", "richedit::LiveSpelling", "Add to Dictionary"},
    {"LiveSpelling.CheckSpelling", "richedit::LiveSpelling", "Spelling..."},

    // Font, table and picture dialogs.
    {"Font.Title", "richedit::QtEditorDialogs", "Font"},
    {"InsertTable.Title", "richedit::QtEditorDialogs", "Insert Table"},
    {"InsertTable.Columns", "richedit::QtEditorDialogs", "Number of columns:"},
    {"InsertTable.Rows", "richedit::QtEditorDialogs", "Number of rows:"},
    {"InsertPicture.Title", "richedit::QtEditorDialogs", "Insert Picture"},
    {"InsertPicture.Filter", "richedit::QtEditorDialogs", "Pictures (%1);;All Files (*)"},

    // Open and save.
    {"File.OpenTitle", "richedit::RichEditControl", "Open"},
    {"File.SaveAsTitle", "richedit::RichEditControl", "Save As"},
    {"File.AllSupported", "richedit::RichEditControl", "All Supported Files"},
    {"File.AllFiles", "richedit::RichEditControl", "All Files (*)"},
    {"Format.OpenXml", "richedit::Formats", "Word Document"},
    {"Format.Rtf", "richedit::Formats", "Rich Text Format"},
    {"Format.Doc", "richedit::Formats", "Word 97-2003 Document"},
    {"Format.PlainText", "richedit::Formats", "Plain Text"},
    {"Format.Html", "richedit::Formats", "Web Page"},

    // The editing context menu of the text.
    {"ContextMenu.Undo", "QWidgetTextControl", "&Undo"},
    {"ContextMenu.Redo", "QWidgetTextControl", "&Redo"},
    {"ContextMenu.Cut", "QWidgetTextControl", "Cu&t"},
    {"ContextMenu.Copy", "QWidgetTextControl", "&Copy"},
    {"ContextMenu.CopyLink", "QWidgetTextControl", "Copy &Link Location"},
    {"ContextMenu.Paste", "QWidgetTextControl", "&Paste"},
    {"ContextMenu.Delete", "QWidgetTextControl", "Delete"},
    {"ContextMenu.SelectAll", "QWidgetTextControl", "Select All"},

    // The font dialog's own labels.
    {"FontDialog.Font", "QFontDialog", "&Font"},
    {"FontDialog.FontStyle", "QFontDialog", "Font st&yle"},
    {"FontDialog.Size", "QFontDialog", "&Size"},
    {"FontDialog.Effects", "QFontDialog", "Effects"},
    {"FontDialog.Strikeout", "QFontDialog", "Stri&keout"},
    {"FontDialog.Underline", "QFontDialog", "&Underline"},
    {"FontDialog.Sample", "QFontDialog", "Sample"},
    {"FontDialog.WritingSystem", "QFontDialog", "Wr&iting System"},

    // Standard dialog buttons.
    {"Button.OK", "QPlatformTheme", "OK"},
    {"Button.Cancel", "QPlatformTheme", "Cancel"},
    {"Button.Close", "QPlatformTheme", "Close"},
    {"Button.Yes", "QPlatformTheme", "&Yes"},
    {"Button.No", "QPlatformTheme", "&No"},
};
// clang-format on

std::vector<EngineText> buildTable()
{
    std::vector<EngineText> texts;
    for (const richedit::EditorCommand &command : richedit::EditorCommands::all()) {
        const QString name = QString::fromLatin1(command.name);
        texts.push_back({commandCaptionKey(name), QString::fromLatin1(commandContext), QString::fromUtf8(command.caption)});
        texts.push_back({commandHintKey(name), QString::fromLatin1(commandContext), QString::fromUtf8(command.hint)});
    }
    for (const DialogText &text : dialogTexts)
        texts.push_back({QString::fromLatin1(text.key), QString::fromLatin1(text.context), QString::fromUtf8(text.english)});
    return texts;
}

} // namespace

const std::vector<EngineText> &englishTexts()
{
    static const std::vector<EngineText> table = buildTable();
    return table;
}

QString commandCaptionKey(const QString &command)
{
    return QStringLiteral("Command.") + command + QStringLiteral(".Caption");
}

QString commandHintKey(const QString &command)
{
    return QStringLiteral("Command.") + command + QStringLiteral(".Hint");
}

} // namespace localizer
