#include "EditorCommands.h"

#include "Bookmarks.h"
#include "CaptionsCommands.h"
#include "CharacterCommands.h"
#include "EditingCommands.h"
#include "HeaderFooterCommands.h"
#include "HyperlinkCommands.h"
#include "MultiLevelList.h"
#include "PageSetupCommands.h"
#include "ParagraphCommands.h"
#include "StyleEditor.h"
#include "PrintCommands.h"
#include "SpellingCommands.h"
#include "TableCommands.h"
#include "TableGridLines.h"
#include "ProtectionCommands.h"
#include "TableCommands.h"
#include "TocCommands.h"
#include "ViewsCommands.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QApplication>
#include <QClipboard>
#include <QTextDocument>

namespace richedit {
namespace {

using namespace character;
using namespace editing;
using namespace pagesetup;
using namespace headerfooter;
using namespace printing;
using namespace paragraph;
using namespace table;

constexpr EditorCommand run(const char *name, const char *caption, const char *hint, EditorCommand::Execute execute,
                            EditorCommand::State enabled = nullptr, EditorCommand::State checked = nullptr,
                            EditorCommand::Value value = nullptr)
{
    return {name, caption, hint, execute, enabled, checked, value};
}

/// A command the engine cannot carry out yet: known by name, always disabled.
constexpr EditorCommand later(const char *name, const char *caption, const char *hint)
{
    return {name, caption, hint};
}

// clang-format off
const EditorCommand commandTable[] = {
    // Printing and page setup.
    run("ShowPrintForm", "Print", "Select a printer, the number of copies and other options before printing.", showPrintForm),
    run("ShowPrintPreviewForm", "Print Preview", "Preview the pages before printing.", showPrintPreviewForm),
    run("ShowPageSetupForm", "Page Setup", "Set the margins, paper size and layout of the pages.", showPageSetupForm),

    // Clipboard.
    run("PasteSelection", "Paste", "Paste the contents of the Clipboard.", pasteSelection, canPaste),
    run("CutSelection", "Cut", "Cut the selection and put it on the Clipboard.", cutSelection, hasSelection),
    run("CopySelection", "Copy", "Copy the selection and put it on the Clipboard.", copySelection, hasSelection),

    // Font.
    run("ChangeFontName", "Font", "Change the font face.", changeFontName, nullptr, nullptr, fontName),
    run("ChangeFontSize", "Font Size", "Change the font size.", changeFontSize, nullptr, nullptr, fontSize),
    run("IncreaseFontSize", "Grow Font", "Increase the font size.", increaseFontSize, canIncreaseFontSize),
    run("DecreaseFontSize", "Shrink Font", "Decrease the font size.", decreaseFontSize, canDecreaseFontSize),
    run("ToggleFontBold", "Bold", "Make the selected text bold.", toggleBold, nullptr, isBold),
    run("ToggleFontItalic", "Italic", "Italicize the selected text.", toggleItalic, nullptr, isItalic),
    run("ToggleFontUnderline", "Underline", "Underline the selected text.", toggleUnderline, nullptr, isUnderline),
    run("ToggleFontDoubleUnderline", "Double Underline", "Double underline the selected text.", toggleDoubleUnderline, nullptr, isDoubleUnderline),
    run("ToggleFontStrikeout", "Strikethrough", "Draw a line through the middle of the selected text.", toggleStrikeout, nullptr, isStrikeout),
    run("ToggleFontDoubleStrikeout", "Double Strikethrough", "Draw a double line through the middle of the selected text.", toggleDoubleStrikeout, nullptr, isDoubleStrikeout),
    run("ToggleFontSubscript", "Subscript", "Create small letters below the text baseline.", toggleSubscript, nullptr, isSubscript),
    run("ToggleFontSuperscript", "Superscript", "Create small letters above the line of text.", toggleSuperscript, nullptr, isSuperscript),
    run("TextHighlight", "Text Highlight Color", "Make the text look as if it was marked with a highlighter pen.", textHighlight, nullptr, nullptr, highlightColour),
    run("ChangeFontColor", "Font Color", "Change the font color.", changeFontColor, nullptr, nullptr, fontColour),
    run("ShowFontForm", "Font...", "Show the Font dialog box.", showFontForm),

    // Paragraph.
    run("ToggleBulletedList", "Bullets", "Start a bulleted list.", toggleBulletedList, nullptr, isBulletedList),
    run("ToggleSimpleNumberingList", "Numbering", "Start a numbered list.", toggleSimpleNumberingList, nullptr, isSimpleNumberingList),
    run("ToggleMultiLevelList", "Multilevel list", "Start a multilevel list.", multilevel::toggleMultiLevelList, nullptr, multilevel::isMultiLevelList),
    run("DecrementIndent", "Decrease Indent", "Decrease the indent level of the paragraph.", multilevel::decrementIndent, multilevel::canDecrementIndent),
    run("IncrementIndent", "Increase Indent", "Increase the indent level of the paragraph.", multilevel::incrementIndent),
    run("ToggleShowWhitespace", "Show/Hide \u00b6", "Show paragraph marks and other hidden formatting symbols.", toggleShowWhitespace, nullptr, isShowWhitespace),
    run("ToggleParagraphAlignmentLeft", "Align Text Left", "Align text to the left.", alignLeft, nullptr, isAlignedLeft),
    run("ToggleParagraphAlignmentCenter", "Center", "Center text.", alignCenter, nullptr, isAlignedCenter),
    run("ToggleParagraphAlignmentRight", "Align Text Right", "Align text to the right.", alignRight, nullptr, isAlignedRight),
    run("ToggleParagraphAlignmentJustify", "Justify", "Align text to both the left and right margins, adding extra space between words as necessary.", alignJustify, nullptr, isAlignedJustify),
    run("SetSingleParagraphSpacing", "1.0", "Single line spacing.", setSingleSpacing, nullptr, isSingleSpacing),
    run("SetSesquialteralParagraphSpacing", "1.5", "One and a half line spacing.", setSesquialteralSpacing, nullptr, isSesquialteralSpacing),
    run("SetDoubleParagraphSpacing", "2.0", "Double line spacing.", setDoubleSpacing, nullptr, isDoubleSpacing),
    run("ShowParagraphForm", "Paragraph...", "Show the Paragraph dialog box.", showParagraphForm),
    run("TextUpperCase", "UPPERCASE", "Change all selected text to uppercase.", textUpperCase, hasSelection),
    run("TextLowerCase", "lowercase", "Change all selected text to lowercase.", textLowerCase, hasSelection),

    // Styles and editing.
    run("ShowEditStyleForm", "Modify Style", "Modify the styles of the document.", styles::showEditStyleForm),
    run("Undo", "Undo", "Undo the last operation.", undo, canUndo),
    run("Redo", "Redo", "Redo the last operation.", redo, canRedo),
    run("SearchFind", "Find", "Find text in the document.", searchFind),
    run("SearchFindNext", "Find Next", "Repeat the last search.", searchFindNext, hasSearchText),
    run("SearchReplace", "Replace", "Replace text in the document.", searchReplace),
    run("SelectAll", "Select All", "Select the entire document.", selectAll),

    // Insert.
    run("EditPageHeader", "Header", "Edit the header of the document.", editPageHeader),
    run("EditPageFooter", "Footer", "Edit the footer of the document.", editPageFooter),
    run("InsertPageNumberField", "Page Number", "Insert the page number.", insertPageNumberField),
    run("InsertPageCountField", "Page Count", "Insert the total number of pages.", insertPageCountField),
    run("InsertPageBreak", "Page", "Start the next page at the current position.", insertPageBreak),
    run("InsertPicture", "Inline Picture", "Insert a picture from a file.", insertPicture),
    run("ShowBookmarkForm", "Bookmark", "Create a bookmark to assign a name to a specific point in the document.", bookmarks::showBookmarkForm),
    run("ShowHyperlinkForm", "Hyperlink", "Create a link to a web page, a picture, an e-mail address or a place in the document.", hyperlink::showHyperlinkForm),
    run("ShowSymbolForm", "Symbol", "Insert characters that are not on your keyboard.", showSymbolForm),
    run("ShowInsertTableForm", "Table", "Insert a table into the document.", showInsertTableForm),
    later("InsertTextBox", "Text Box", "Insert a text box."),

    // Page layout.
    run("ShowPageMarginsSetupForm", "Margins", "Select the margin sizes for the document.", showPageMarginsSetupForm),
    run("SetPortraitPageOrientation", "Portrait", "Lay the pages out vertically.", setOrientationTo<false>, nullptr, hasOrientationOf<false>),
    run("SetLandscapePageOrientation", "Landscape", "Lay the pages out horizontally.", setOrientationTo<true>, nullptr, hasOrientationOf<true>),
    run("ShowPagePaperSetupForm", "More Paper Sizes", "Choose a paper size for the current section.", showPagePaperSetupForm),
    run("SetSectionOneColumn", "One", "One column.", setColumns<1>, nullptr, hasColumns<1>),
    run("SetSectionTwoColumns", "Two", "Two columns.", setColumns<2>, nullptr, hasColumns<2>),
    run("SetSectionThreeColumns", "Three", "Three columns.", setColumns<3>, nullptr, hasColumns<3>),
    run("ShowColumnsSetupForm", "More Columns", "Show the Columns dialog box to customize column widths.", showColumnsSetupForm),
    later("InsertColumnBreak", "Column", "Continue the text after the break in the next column."),
    run("InsertSectionBreakNextPage", "Next Page", "Insert a section break and start the new section on the next page.", insertSectionBreak<SectionStart::NextPage>, canInsertSectionBreak),
    run("InsertSectionBreakEvenPage", "Even Page", "Insert a section break and start the new section on the next even-numbered page.", insertSectionBreak<SectionStart::EvenPage>, canInsertSectionBreak),
    run("InsertSectionBreakOddPage", "Odd Page", "Insert a section break and start the new section on the next odd-numbered page.", insertSectionBreak<SectionStart::OddPage>, canInsertSectionBreak),
    run("SetSectionLineNumberingNone", "None", "No line numbers.", setLineNumberingNone, nullptr, hasLineNumberingNone),
    run("SetSectionLineNumberingContinuous", "Continuous", "Number the lines continuously through the document.", setLineNumbering<LineNumbering::Continuous>, nullptr, hasLineNumbering<LineNumbering::Continuous>),
    run("SetSectionLineNumberingRestartNewPage", "Restart Each Page", "Start the line numbers again on each page.", setLineNumbering<LineNumbering::EachPage>, nullptr, hasLineNumbering<LineNumbering::EachPage>),
    run("SetSectionLineNumberingRestartNewSection", "Restart Each Section", "Start the line numbers again in each section.", setLineNumbering<LineNumbering::EachSection>, nullptr, hasLineNumbering<LineNumbering::EachSection>),
    run("ShowLineNumberingForm", "Line Numbering Options...", "Show the Line Numbers dialog box.", showLineNumberingForm),
    run("ChangePageColor", "Page Color", "Choose a color for the background of the pages.", changePageColor, nullptr, nullptr, pageColor),
    later("SetFloatingObjectSquareTextWrapType", "Square", "Wrap text around the square border of the object."),
    later("SetFloatingObjectTightTextWrapType", "Tight", "Wrap text close around the object."),
    later("SetFloatingObjectTopAndBottomTextWrapType", "Top and Bottom", "Place text above and below the object only."),
    later("SetFloatingObjectBehindTextWrapType", "Behind Text", "Place the object behind the text."),
    later("SetFloatingObjectThroughTextWrapType", "Through", "Wrap text through the open parts of the object."),
    later("SetFloatingObjectInFrontOfTextWrapType", "In Front of Text", "Place the object in front of the text."),
    later("SetFloatingObjectTopLeftAlignment", "Top Left", "Place the object at the top left of the page."),
    later("SetFloatingObjectTopCenterAlignment", "Top Center", "Place the object at the top centre of the page."),
    later("SetFloatingObjectTopRightAlignment", "Top Right", "Place the object at the top right of the page."),
    later("SetFloatingObjectMiddleLeftAlignment", "Middle Left", "Place the object at the middle left of the page."),
    later("SetFloatingObjectMiddleCenterAlignment", "Middle Center", "Place the object in the middle of the page."),
    later("SetFloatingObjectMiddleRightAlignment", "Middle Right", "Place the object at the middle right of the page."),
    later("SetFloatingObjectBottomLeftAlignment", "Bottom Left", "Place the object at the bottom left of the page."),
    later("SetFloatingObjectBottomCenterAlignment", "Bottom Center", "Place the object at the bottom centre of the page."),
    later("SetFloatingObjectBottomRightAlignment", "Bottom Right", "Place the object at the bottom right of the page."),
    later("FloatingObjectBringForward", "Bring Forward", "Bring the object forward one level."),
    later("FloatingObjectBringToFront", "Bring to Front", "Bring the object in front of all other objects."),
    later("FloatingObjectBringInFrontOfText", "Bring in Front of Text", "Bring the object in front of the text."),
    later("FloatingObjectSendBackward", "Send Backward", "Send the object back one level."),
    later("FloatingObjectSendToBack", "Send to Back", "Send the object behind all other objects."),
    later("FloatingObjectSendBehindText", "Send Behind Text", "Send the object behind the text."),

    // References.
    run("InsertTableOfContents", "Table of Contents", "Insert a table of contents built from the headings.", toc::insertTableOfContents),
    run("UpdateTableOfContents", "Update Table", "Update the table of contents so that all entries refer to the correct page numbers.", toc::updateTableOfContents, toc::canUpdateTableOfContents),
    run("TableOfContentsSetParagraphBodyTextLevel", "Do Not Show in Table of Contents", "Leave the paragraph out of the table of contents.", toc::setLevel<-1>, nullptr, toc::isLevel<-1>),
    run("TableOfContentsSetParagraphHeading1Level", "Level 1", "Show the paragraph in the table of contents at level 1.", toc::setLevel<0>, nullptr, toc::isLevel<0>),
    run("TableOfContentsSetParagraphHeading2Level", "Level 2", "Show the paragraph in the table of contents at level 2.", toc::setLevel<1>, nullptr, toc::isLevel<1>),
    run("TableOfContentsSetParagraphHeading3Level", "Level 3", "Show the paragraph in the table of contents at level 3.", toc::setLevel<2>, nullptr, toc::isLevel<2>),
    run("TableOfContentsSetParagraphHeading4Level", "Level 4", "Show the paragraph in the table of contents at level 4.", toc::setLevel<3>, nullptr, toc::isLevel<3>),
    run("TableOfContentsSetParagraphHeading5Level", "Level 5", "Show the paragraph in the table of contents at level 5.", toc::setLevel<4>, nullptr, toc::isLevel<4>),
    run("TableOfContentsSetParagraphHeading6Level", "Level 6", "Show the paragraph in the table of contents at level 6.", toc::setLevel<5>, nullptr, toc::isLevel<5>),
    run("TableOfContentsSetParagraphHeading7Level", "Level 7", "Show the paragraph in the table of contents at level 7.", toc::setLevel<6>, nullptr, toc::isLevel<6>),
    run("TableOfContentsSetParagraphHeading8Level", "Level 8", "Show the paragraph in the table of contents at level 8.", toc::setLevel<7>, nullptr, toc::isLevel<7>),
    run("TableOfContentsSetParagraphHeading9Level", "Level 9", "Show the paragraph in the table of contents at level 9.", toc::setLevel<8>, nullptr, toc::isLevel<8>),
    run("InsertFigureCaption", "Figures Caption", "Add a caption below a figure.", captions::insertFigureCaption),
    run("InsertTableCaption", "Tables Caption", "Add a caption to a table.", captions::insertTableCaption),
    run("InsertEquationCaption", "Equations Caption", "Add a caption to an equation.", captions::insertEquationCaption),
    run("InsertTableOfFigures", "Table of Figures", "Insert a list of the figures in the document.", toc::insertTableOfFigures),
    run("InsertTableOfTables", "Table of Tables", "Insert a list of the tables in the document.", toc::insertTableOfTables),
    run("InsertTableOfEquations", "Table of Equations", "Insert a list of the equations in the document.", toc::insertTableOfEquations),
    run("UpdateTableOfFigures", "Update Table", "Update the table of figures to include all the entries in the document.", toc::updateTableOfFigures, toc::canUpdateTableOfFigures),

    // Review.
    run("CheckSpelling", "Spelling", "Check the spelling of the text in the document.", spelling::checkSpelling, spelling::canCheckSpelling),
    run("ProtectDocument", "Protect Document", "Keep others from changing the document.", protection::protectDocument, protection::canProtectDocument),
    run("UnprotectDocument", "Unprotect Document", "Allow changes to the document again.", protection::unprotectDocument, protection::canUnprotectDocument),
    later("ShowRangeEditingPermissions", "Range Editing Permissions", "Choose who may edit parts of a protected document."),
    later("EncryptDocument", "Encrypt with Password", "Require a password to open the document."),

    // View.
    run("SwitchToSimpleView", "Simple View", "Show the document as a simple memo, without pages.", views::switchTo<ViewMode::Simple>, nullptr, views::isIn<ViewMode::Simple>),
    run("SwitchToDraftView", "Draft View", "Show the document as a draft to edit the text quickly.", views::switchTo<ViewMode::Draft>, nullptr, views::isIn<ViewMode::Draft>),
    run("SwitchToPrintLayoutView", "Print Layout", "Show the document as it will look when printed.", views::switchTo<ViewMode::PrintLayout>, nullptr, views::isIn<ViewMode::PrintLayout>),
    run("ToggleShowHorizontalRuler", "Horizontal Ruler", "Show or hide the horizontal ruler.", views::toggleHorizontalRuler, nullptr, views::isHorizontalRulerShown),
    run("ToggleShowVerticalRuler", "Vertical Ruler", "Show or hide the vertical ruler.", views::toggleVerticalRuler, nullptr, views::isVerticalRulerShown),
    run("ZoomIn", "Zoom In", "Zoom in to get a close-up view of the document.", zoomIn, canZoomIn),
    run("ZoomOut", "Zoom Out", "Zoom out to see more of the page at a reduced size.", zoomOut, canZoomOut),

    // Headers and footers.
    run("ToggleDifferentFirstPage", "Different First Page", "Give the first page a header and footer of its own.", toggleDifferentFirstPage, inHeaderFooter, hasDifferentFirstPage),
    run("ToggleDifferentOddAndEvenPages", "Different Odd & Even Pages", "Give odd and even pages headers and footers of their own.", toggleDifferentOddAndEven, inHeaderFooter, hasDifferentOddAndEven),
    run("GoToPageHeader", "Go to Header", "Move the caret to the page header.", goToPageHeader, inPageFooter),
    run("GoToPageFooter", "Go to Footer", "Move the caret to the page footer.", goToPageFooter, inPageHeader),
    run("GoToNextPageHeaderFooter", "Show Next", "Go to the next section's header or footer.", goToNextHeaderFooter, hasNextHeaderFooter),
    run("GoToPreviousPageHeaderFooter", "Show Previous", "Go to the previous section's header or footer.", goToPreviousHeaderFooter, hasPreviousHeaderFooter),
    run("ToggleHeaderFooterLinkToPrevious", "Link to Previous", "Use the same header and footer as the previous section.", toggleLinkToPrevious, canLinkToPrevious, isLinkedToPrevious),
    run("ClosePageHeaderFooter", "Close Header and Footer", "Close the header and footer and return to the document.", closeHeaderFooter, inHeaderFooter),

    // Table design.
    run("ToggleTableCellsBottomBorder", "Bottom Border", "Show or hide the bottom border of the selected cells.", toggleBordersOf<BorderSet::Bottom>, inTable, hasBordersOf<BorderSet::Bottom>),
    run("ToggleTableCellsTopBorder", "Top Border", "Show or hide the top border of the selected cells.", toggleBordersOf<BorderSet::Top>, inTable, hasBordersOf<BorderSet::Top>),
    run("ToggleTableCellsLeftBorder", "Left Border", "Show or hide the left border of the selected cells.", toggleBordersOf<BorderSet::Left>, inTable, hasBordersOf<BorderSet::Left>),
    run("ToggleTableCellsRightBorder", "Right Border", "Show or hide the right border of the selected cells.", toggleBordersOf<BorderSet::Right>, inTable, hasBordersOf<BorderSet::Right>),
    run("ResetTableCellsBorders", "No Border", "Remove all borders of the selected cells.", toggleBordersOf<BorderSet::None>, inTable, hasBordersOf<BorderSet::None>),
    run("ToggleTableCellsAllBorders", "All Borders", "Show or hide all borders of the selected cells.", toggleBordersOf<BorderSet::All>, inTable, hasBordersOf<BorderSet::All>),
    run("ToggleTableCellsOutsideBorder", "Outside Borders", "Show or hide the outside borders of the selected cells.", toggleBordersOf<BorderSet::Outside>, inTable, hasBordersOf<BorderSet::Outside>),
    run("ToggleTableCellsInsideBorder", "Inside Borders", "Show or hide the inside borders of the selected cells.", toggleBordersOf<BorderSet::Inside>, inTable, hasBordersOf<BorderSet::Inside>),
    run("ToggleTableCellsInsideHorizontalBorder", "Inside Horizontal Border", "Show or hide the inside horizontal borders of the selected cells.", toggleBordersOf<BorderSet::InsideHorizontal>, inTable, hasBordersOf<BorderSet::InsideHorizontal>),
    run("ToggleTableCellsInsideVerticalBorder", "Inside Vertical Border", "Show or hide the inside vertical borders of the selected cells.", toggleBordersOf<BorderSet::InsideVertical>, inTable, hasBordersOf<BorderSet::InsideVertical>),
    run("TableStylesGallery", "Table Styles", "Choose a style for the table.", applyTableStyle, inTable),

    // Table layout.
    run("ToggleShowTableGridLines", "View Gridlines", "Show or hide the gridlines of tables without borders.", toggleShowGridLines, nullptr, gridLinesShown),
    run("ShowTablePropertiesForm", "Properties", "Show the Table Properties dialog box.", showTablePropertiesForm, inTable),
    run("ShowDeleteTableCellsForm", "Delete Cells...", "Delete rows, columns or cells.", showDeleteCellsForm, inTable),
    run("DeleteTableColumns", "Delete Columns", "Delete the columns of the selection.", deleteColumns, inTable),
    run("DeleteTableRows", "Delete Rows", "Delete the rows of the selection.", deleteRows, inTable),
    run("DeleteTable", "Delete Table", "Delete the whole table.", deleteTable, inTable),
    run("InsertTableRowAbove", "Insert Above", "Add a row directly above the selected row.", insertRowAbove, inTable),
    run("InsertTableRowBelow", "Insert Below", "Add a row directly below the selected row.", insertRowBelow, inTable),
    run("InsertTableColumnToTheLeft", "Insert Left", "Add a column directly to the left of the selected column.", insertColumnLeft, inTable),
    run("InsertTableColumnToTheRight", "Insert Right", "Add a column directly to the right of the selected column.", insertColumnRight, inTable),
    run("ShowInsertTableCellsForm", "Insert Cells", "Insert cells into the table.", showInsertCellsForm, inTable),
    run("MergeTableCells", "Merge Cells", "Merge the selected cells into one cell.", mergeCells, hasCellSelection),
    run("ShowSplitTableCellsForm", "Split Cells", "Split the selected cells into several cells.", showSplitCellsForm, inTable),
    run("SplitTable", "Split Table", "Split the table in two; the selected row becomes the first row of the new table.", splitTable, inTable),
    run("ToggleTableCellsTopLeftAlignment", "Align Top Left", "Align the text to the top left of the cell.", alignCellsAt<QTextCharFormat::AlignTop, Qt::AlignLeft>, inTable, isCellAlignedAt<QTextCharFormat::AlignTop, Qt::AlignLeft>),
    run("ToggleTableCellsMiddleLeftAlignment", "Align Center Left", "Align the text to the middle left of the cell.", alignCellsAt<QTextCharFormat::AlignMiddle, Qt::AlignLeft>, inTable, isCellAlignedAt<QTextCharFormat::AlignMiddle, Qt::AlignLeft>),
    run("ToggleTableCellsBottomLeftAlignment", "Align Bottom Left", "Align the text to the bottom left of the cell.", alignCellsAt<QTextCharFormat::AlignBottom, Qt::AlignLeft>, inTable, isCellAlignedAt<QTextCharFormat::AlignBottom, Qt::AlignLeft>),
    run("ToggleTableCellsTopCenterAlignment", "Align Top Center", "Align the text to the top centre of the cell.", alignCellsAt<QTextCharFormat::AlignTop, Qt::AlignHCenter>, inTable, isCellAlignedAt<QTextCharFormat::AlignTop, Qt::AlignHCenter>),
    run("ToggleTableCellsMiddleCenterAlignment", "Align Center", "Align the text to the middle of the cell.", alignCellsAt<QTextCharFormat::AlignMiddle, Qt::AlignHCenter>, inTable, isCellAlignedAt<QTextCharFormat::AlignMiddle, Qt::AlignHCenter>),
    run("ToggleTableCellsBottomCenterAlignment", "Align Bottom Center", "Align the text to the bottom centre of the cell.", alignCellsAt<QTextCharFormat::AlignBottom, Qt::AlignHCenter>, inTable, isCellAlignedAt<QTextCharFormat::AlignBottom, Qt::AlignHCenter>),
    run("ToggleTableCellsTopRightAlignment", "Align Top Right", "Align the text to the top right of the cell.", alignCellsAt<QTextCharFormat::AlignTop, Qt::AlignRight>, inTable, isCellAlignedAt<QTextCharFormat::AlignTop, Qt::AlignRight>),
    run("ToggleTableCellsMiddleRightAlignment", "Align Center Right", "Align the text to the middle right of the cell.", alignCellsAt<QTextCharFormat::AlignMiddle, Qt::AlignRight>, inTable, isCellAlignedAt<QTextCharFormat::AlignMiddle, Qt::AlignRight>),
    run("ToggleTableCellsBottomRightAlignment", "Align Bottom Right", "Align the text to the bottom right of the cell.", alignCellsAt<QTextCharFormat::AlignBottom, Qt::AlignRight>, inTable, isCellAlignedAt<QTextCharFormat::AlignBottom, Qt::AlignRight>),
    run("ToggleTableAutoFitContents", "AutoFit Contents", "Size the columns to fit their contents.", autoFitContents, inTable),
    run("ToggleTableAutoFitWindow", "AutoFit Window", "Size the table to the width of the page.", autoFitWindow, inTable),
    run("ToggleTableFixedColumnWidth", "Fixed Column Width", "Keep the column widths fixed.", fixedColumnWidth, inTable),
};
// clang-format on

} // namespace

EditorCommands::EditorCommands(RichEditControl &control, EditorDialogs &dialogs, QObject *parent)
    : QObject(parent), m_control(control), m_dialogs(dialogs)
{
    connect(&control, &RichEditControl::SelectionChanged, this, [this] {
        followStory();
        emit stateChanged();
    });
    connect(&control, &RichEditControl::zoomChanged, this, &EditorCommands::stateChanged);
    connect(&control, &RichEditControl::DocumentLoaded, this, [this] {
        followStory();
        emit stateChanged();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &EditorCommands::stateChanged);
    followStory();
    new hyperlink::LinkOpener(control, dialogs);
    new multilevel::ListLevelKeys(control);
    if (!table::GridLines::of(control))
        new table::GridLines(control);
}

void EditorCommands::followStory()
{
    QTextDocument *story = m_control.activeStory();
    if (story == m_story)
        return;
    if (m_story)
        disconnect(m_story, nullptr, this, nullptr);
    m_story = story;
    connect(story, &QTextDocument::contentsChanged, this, &EditorCommands::stateChanged);
    connect(story, &QTextDocument::undoAvailable, this, &EditorCommands::stateChanged);
    connect(story, &QTextDocument::redoAvailable, this, &EditorCommands::stateChanged);
}

std::span<const EditorCommand> EditorCommands::all()
{
    return commandTable;
}

const EditorCommand *EditorCommands::find(QAnyStringView name)
{
    for (const EditorCommand &command : commandTable)
        if (QAnyStringView::equal(name, QLatin1StringView(command.name)))
            return &command;
    return nullptr;
}

const EditorCommand &EditorCommands::require(QAnyStringView name) const
{
    const EditorCommand *command = find(name);
    Q_ASSERT_X(command, "EditorCommands", "unknown command name");
    return *command;
}

bool EditorCommands::isEnabled(const EditorCommand &command) const
{
    if (!command.execute)
        return false;
    // A protected document is read-only: only commands that change nothing stay available.
    if (protection::isProtected(m_control) && !protection::allowedWhileProtected(command.name))
        return false;
    CommandContext context{m_control, m_dialogs, const_cast<CommandSession &>(m_session)};
    return !command.enabled || command.enabled(context);
}

bool EditorCommands::isChecked(const EditorCommand &command) const
{
    if (!command.checked)
        return false;
    CommandContext context{m_control, m_dialogs, const_cast<CommandSession &>(m_session)};
    return command.checked(context);
}

QVariant EditorCommands::value(const EditorCommand &command) const
{
    if (!command.value)
        return {};
    CommandContext context{m_control, m_dialogs, const_cast<CommandSession &>(m_session)};
    return command.value(context);
}

void EditorCommands::execute(const EditorCommand &command, const QVariant &argument)
{
    if (!isEnabled(command))
        return;
    CommandContext context{m_control, m_dialogs, m_session};
    command.execute(context, argument);
    emit stateChanged();
}

bool EditorCommands::isEnabled(QAnyStringView name) const
{
    return isEnabled(require(name));
}

bool EditorCommands::isChecked(QAnyStringView name) const
{
    return isChecked(require(name));
}

void EditorCommands::execute(QAnyStringView name, const QVariant &argument)
{
    execute(require(name), argument);
}

} // namespace richedit
