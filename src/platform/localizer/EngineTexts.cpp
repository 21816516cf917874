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

    // Page setup, columns and line numbers.
    {"PageSetup.Title", "richedit::PageSetupDialog", "Page Setup"},
    {"PageSetup.Margins", "richedit::PageSetupDialog", "Margins"},
    {"PageSetup.Paper", "richedit::PageSetupDialog", "Paper"},
    {"PageSetup.Top", "richedit::PageSetupDialog", "Top:"},
    {"PageSetup.Bottom", "richedit::PageSetupDialog", "Bottom:"},
    {"PageSetup.Left", "richedit::PageSetupDialog", "Left:"},
    {"PageSetup.Right", "richedit::PageSetupDialog", "Right:"},
    {"PageSetup.Header", "richedit::PageSetupDialog", "Header:"},
    {"PageSetup.Footer", "richedit::PageSetupDialog", "Footer:"},
    {"PageSetup.Orientation", "richedit::PageSetupDialog", "Orientation:"},
    {"PageSetup.Portrait", "richedit::PageSetupDialog", "Portrait"},
    {"PageSetup.Landscape", "richedit::PageSetupDialog", "Landscape"},
    {"PageSetup.PaperSize", "richedit::PageSetupDialog", "Paper size:"},
    {"PageSetup.CustomSize", "richedit::PageSetupDialog", "Custom size"},
    {"PageSetup.Width", "richedit::PageSetupDialog", "Width:"},
    {"PageSetup.Height", "richedit::PageSetupDialog", "Height:"},
    {"PageSetup.ApplyTo", "richedit::PageSetupDialog", "Apply to:"},
    {"PageSetup.ThisSection", "richedit::PageSetupDialog", "This section"},
    {"PageSetup.WholeDocument", "richedit::PageSetupDialog", "Whole document"},
    {"PageSetup.NoRoom", "richedit::PageSetupDialog", "The margins leave no room for text on a page of this size. Make the margins smaller or the paper larger."},
    {"Columns.Title", "richedit::ColumnsDialog", "Columns"},
    {"Columns.Count", "richedit::ColumnsDialog", "Number of columns:"},
    {"Columns.Spacing", "richedit::ColumnsDialog", "Spacing:"},
    {"Columns.EqualWidth", "richedit::ColumnsDialog", "All columns have the same width."},
    {"Columns.NoRoom", "richedit::ColumnsDialog", "The columns do not fit between the margins. Choose fewer columns or less spacing."},
    {"LineNumbers.Title", "richedit::LineNumberingDialog", "Line Numbers"},
    {"LineNumbers.Enabled", "richedit::LineNumberingDialog", "Add line numbering"},
    {"LineNumbers.StartAt", "richedit::LineNumberingDialog", "Start at:"},
    {"LineNumbers.CountBy", "richedit::LineNumberingDialog", "Count by:"},
    {"LineNumbers.FromText", "richedit::LineNumberingDialog", "From text:"},
    {"LineNumbers.Auto", "richedit::LineNumberingDialog", "Auto"},
    {"LineNumbers.Numbering", "richedit::LineNumberingDialog", "Numbering:"},
    {"LineNumbers.RestartPage", "richedit::LineNumberingDialog", "Restart each page"},
    {"LineNumbers.RestartSection", "richedit::LineNumberingDialog", "Restart each section"},
    {"LineNumbers.Continuous", "richedit::LineNumberingDialog", "Continuous"},
    {"PageSetupCommands.NoRoom", "richedit::PageSetupCommands", "The margins leave no room for text on a page of this size."},
    {"PageSetupCommands.ColumnsNoRoom", "richedit::PageSetupCommands", "The columns do not fit between the margins."},
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

    // Table dialogs and the style editor.
    {"TableDialogs.None", "richedit::TableDialogs", "None"},
    {"TableDialogs.ShiftRight", "richedit::TableDialogs", "Shift cells right"},
    {"TableDialogs.ShiftLeft", "richedit::TableDialogs", "Shift cells left"},
    {"TableDialogs.ShiftDown", "richedit::TableDialogs", "Shift cells down"},
    {"TableDialogs.ShiftUp", "richedit::TableDialogs", "Shift cells up"},
    {"TableDialogs.EntireRow", "richedit::TableDialogs", "Entire row"},
    {"TableDialogs.EntireColumn", "richedit::TableDialogs", "Entire column"},
    {"TableDialogs.StyleGrid", "richedit::TableDialogs", "Table Grid"},
    {"TableDialogs.StylePlain", "richedit::TableDialogs", "Plain Table"},
    {"TableDialogs.StyleLightShading", "richedit::TableDialogs", "Light Shading"},
    {"TableDialogs.StyleHeaderRow", "richedit::TableDialogs", "Header Row"},
    {"TableDialogs.StyleBandedRows", "richedit::TableDialogs", "Banded Rows"},
    {"TableDialogs.Automatic", "richedit::TableDialogs", "Automatic"},
    {"TableDialogs.Top", "richedit::TableDialogs", "Top"},
    {"TableDialogs.Center", "richedit::TableDialogs", "Center"},
    {"TableDialogs.Bottom", "richedit::TableDialogs", "Bottom"},
    {"TableDialogs.Borders", "richedit::TableDialogs", "Borders"},
    {"TableDialogs.Shading", "richedit::TableDialogs", "Shading"},
    {"TableDialogs.PreferredWidth", "richedit::TableDialogs", "Preferred width:"},
    {"TableDialogs.ColumnWidth", "richedit::TableDialogs", "Column width:"},
    {"TableDialogs.VerticalAlignment", "richedit::TableDialogs", "Vertical alignment:"},
    {"TableDialogs.TopMargin", "richedit::TableDialogs", "Top margin:"},
    {"TableDialogs.BottomMargin", "richedit::TableDialogs", "Bottom margin:"},
    {"TableDialogs.LeftMargin", "richedit::TableDialogs", "Left margin:"},
    {"TableDialogs.RightMargin", "richedit::TableDialogs", "Right margin:"},
    {"TableDialogs.BorderWidth", "richedit::TableDialogs", "Border width:"},
    {"TableDialogs.BorderColor", "richedit::TableDialogs", "Border color:"},
    {"StyleEditor.NewStyle", "richedit::StyleEditorDialog", "New Style"},
    {"StyleEditor.Preview", "richedit::StyleEditorDialog", "AaBbCc – the quick brown fox"},
    {"StyleEditor.Style", "richedit::StyleEditorDialog", "Style:"},
    {"StyleEditor.Name", "richedit::StyleEditorDialog", "Name:"},
    {"StyleEditor.BasedOn", "richedit::StyleEditorDialog", "Based on:"},
    {"StyleEditor.Next", "richedit::StyleEditorDialog", "Style for following paragraph:"},
    {"StyleEditor.Font", "richedit::StyleEditorDialog", "Font:"},
    {"StyleEditor.Size", "richedit::StyleEditorDialog", "Size:"},
    {"StyleEditor.Bold", "richedit::StyleEditorDialog", "Bold"},
    {"StyleEditor.Italic", "richedit::StyleEditorDialog", "Italic"},
    {"StyleEditor.Underline", "richedit::StyleEditorDialog", "Underline"},
    {"StyleEditor.Color", "richedit::StyleEditorDialog", "Color..."},
    {"StyleEditor.None", "richedit::StyleEditorDialog", "(none)"},
    // Tables of contents, captions and protection.
    {"Toc.NoEntries", "richedit::TableOfContents", "No table of contents entries found."},
    {"Toc.NoFigures", "richedit::TableOfContents", "No table of figures entries found."},
    {"Caption.Figure", "richedit::Captions", "Figure"},
    {"Caption.Table", "richedit::Captions", "Table"},
    {"Caption.Equation", "richedit::Captions", "Equation"},
    {"Protection.UnknownHash", "richedit::Protection", "The protection cannot be removed: the document's password is stored with the hash algorithm \"%1\", which this program does not know."},
    {"Protection.WrongPassword", "richedit::Protection", "The password is incorrect. The document stays protected."},
    {"Protection.ProtectTitle", "richedit::ProtectionDialog", "Start Enforcing Protection"},
    {"Protection.NewPassword", "richedit::ProtectionDialog", "Enter new password (optional):"},
    {"Protection.ConfirmPassword", "richedit::ProtectionDialog", "Reenter password to confirm:"},
    {"Protection.Mismatch", "richedit::ProtectionDialog", "The passwords do not match."},
    {"Protection.UnprotectTitle", "richedit::ProtectionDialog", "Unprotect Document"},
    {"Protection.Password", "richedit::ProtectionDialog", "Password:"},

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

    // Messages of the commands, and the bookmark, hyperlink and symbol dialogs.
    {"Commands.BookmarkNameMissing", "richedit::Commands", "Type a name for the bookmark."},
    {"Commands.BookmarkNameTooLong", "richedit::Commands", "A bookmark name can be at most %1 characters long."},
    {"Commands.BookmarkNameInvalid", "richedit::Commands", "A bookmark name must start with a letter and contain only letters, digits and underscores."},
    {"Commands.BookmarkEmptyDocument", "richedit::Commands", "A bookmark needs some text to mark; the document is empty."},
    {"Commands.FontSizeInvalid", "richedit::Commands", "The font size must be a number between 1 and 1638."},
    {"Commands.SearchNotFound", "richedit::Commands", "The search item \"%1\" was not found."},
    {"Commands.PictureCannotInsert", "richedit::Commands", "The picture \"%1\" cannot be inserted: %2."},
    {"Commands.LinkToPreviousQuestion", "richedit::Commands", "Delete this header or footer and use the one of the previous section instead?"},
    {"Bookmark.Title", "richedit::BookmarkDialog", "Bookmark"},
    {"Bookmark.Add", "richedit::BookmarkDialog", "&Add"},
    {"Bookmark.GoTo", "richedit::BookmarkDialog", "&Go To"},
    {"Bookmark.Delete", "richedit::BookmarkDialog", "&Delete"},
    {"Bookmark.Name", "richedit::BookmarkDialog", "Bookmark name:"},
    {"Bookmark.NotFound", "richedit::BookmarkDialog", "There is no bookmark of that name."},
    {"Hyperlink.Title", "richedit::QtEditorDialogs", "Hyperlink"},
    {"Hyperlink.Text", "richedit::QtEditorDialogs", "Text to display:"},
    {"Hyperlink.Address", "richedit::QtEditorDialogs", "Address:"},
    {"Hyperlink.Remove", "richedit::QtEditorDialogs", "Remove Link"},
    {"Symbol.Title", "richedit::SymbolDialog", "Symbol"},
    {"Symbol.Font", "richedit::SymbolDialog", "Font:"},
    {"Symbol.Subset", "richedit::SymbolDialog", "Subset:"},
    {"Symbol.Insert", "richedit::SymbolDialog", "Insert"},
    {"Symbol.BasicLatin", "richedit::SymbolDialog", "Basic Latin"},
    {"Symbol.Latin1Supplement", "richedit::SymbolDialog", "Latin-1 Supplement"},
    {"Symbol.LatinExtendedA", "richedit::SymbolDialog", "Latin Extended-A"},
    {"Symbol.LatinExtendedB", "richedit::SymbolDialog", "Latin Extended-B"},
    {"Symbol.Greek", "richedit::SymbolDialog", "Greek and Coptic"},
    {"Symbol.Cyrillic", "richedit::SymbolDialog", "Cyrillic"},
    {"Symbol.Punctuation", "richedit::SymbolDialog", "General Punctuation"},
    {"Symbol.Currency", "richedit::SymbolDialog", "Currency Symbols"},
    {"Symbol.Letterlike", "richedit::SymbolDialog", "Letterlike Symbols"},
    {"Symbol.NumberForms", "richedit::SymbolDialog", "Number Forms"},
    {"Symbol.Arrows", "richedit::SymbolDialog", "Arrows"},
    {"Symbol.MathOperators", "richedit::SymbolDialog", "Mathematical Operators"},
    {"Symbol.Technical", "richedit::SymbolDialog", "Miscellaneous Technical"},
    {"Symbol.BoxDrawing", "richedit::SymbolDialog", "Box Drawing"},
    {"Symbol.Shapes", "richedit::SymbolDialog", "Geometric Shapes"},
    {"Symbol.MiscSymbols", "richedit::SymbolDialog", "Miscellaneous Symbols"},
    {"Symbol.Dingbats", "richedit::SymbolDialog", "Dingbats"},

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

    // The print preview window's own controls.
    {"PrintPreview.NextPage", "QPrintPreviewDialog", "Next page"},
    {"PrintPreview.PreviousPage", "QPrintPreviewDialog", "Previous page"},
    {"PrintPreview.FirstPage", "QPrintPreviewDialog", "First page"},
    {"PrintPreview.LastPage", "QPrintPreviewDialog", "Last page"},
    {"PrintPreview.FitWidth", "QPrintPreviewDialog", "Fit width"},
    {"PrintPreview.FitPage", "QPrintPreviewDialog", "Fit page"},
    {"PrintPreview.ZoomIn", "QPrintPreviewDialog", "Zoom in"},
    {"PrintPreview.ZoomOut", "QPrintPreviewDialog", "Zoom out"},
    {"PrintPreview.Portrait", "QPrintPreviewDialog", "Portrait"},
    {"PrintPreview.Landscape", "QPrintPreviewDialog", "Landscape"},
    {"PrintPreview.SinglePage", "QPrintPreviewDialog", "Show single page"},
    {"PrintPreview.FacingPages", "QPrintPreviewDialog", "Show facing pages"},
    {"PrintPreview.AllPages", "QPrintPreviewDialog", "Show overview of all pages"},
    {"PrintPreview.Print", "QPrintPreviewDialog", "Print"},
    {"PrintPreview.PageSetup", "QPrintPreviewDialog", "Page setup"},
    {"PrintPreview.Close", "QPrintPreviewDialog", "Close"},
    {"PrintPreview.Title", "QPrintPreviewDialog", "Print Preview"},

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
