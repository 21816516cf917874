#pragma once

#include "platform/richedit/model/Styles.h"
#include "PageSetupSettings.h"
#include "platform/richedit/model/Units.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace richedit {

struct CommandSession;
class RichEditControl;

/// The settings of the paragraph dialog; lengths in layout units (96 to the inch).
struct ParagraphSettings {
    Qt::Alignment alignment = Qt::AlignLeft;
    qreal leftIndent = 0;
    qreal rightIndent = 0;
    qreal firstLineIndent = 0;
    qreal spaceBefore = 0;
    qreal spaceAfter = 0;
    int lineSpacingPercent = 100;

    bool operator==(const ParagraphSettings &) const = default;
};

/// A character chosen in the symbol dialog, with the font that draws it.
struct SymbolChoice {
    QString symbol;
    QString family;
};

/// A hyperlink: the text shown and the address it opens. An empty address removes the link.
struct HyperlinkSettings {
    QString text;
    QString address;
};

// --- Styles and tables ---

/// Where the cells next to inserted or deleted cells go, or whether whole rows or columns go.
enum class CellShift { Horizontally, Vertically, WholeRow, WholeColumn };

/// The settings of the table properties dialog; lengths in layout units (96 to the inch).
struct TableProperties {
    QTextLength width;                  // VariableLength: as wide as its columns
    Qt::Alignment alignment = Qt::AlignLeft;
    qreal columnWidth = 0;              // of the caret's column; 0: automatic
    QTextCharFormat::VerticalAlignment cellAlignment = QTextCharFormat::AlignTop;
    qreal marginTop = 0, marginBottom = 0, marginLeft = 0, marginRight = 0; // of the selected cells
    bool borders = true;                // box and grid lines of the selected cells
    qreal borderWidth = 1;              // points
    QColor borderColor = Qt::black;
    QColor shading;                     // of the selected cells; invalid: none

    bool operator==(const TableProperties &) const = default;
};

/// The built-in table styles the gallery offers, by id.
struct TableStyleChoice {
    QString id;
};

// ---

/// The editor's own dialogs, behind an interface so that tests can script them.
class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;

    /// The font dialog; empty when cancelled.
    virtual std::optional<QFont> fontForm(const QFont &current) = 0;
    /// The paragraph dialog, lengths shown in `unit`; empty when cancelled.
    virtual std::optional<ParagraphSettings> paragraphForm(const ParagraphSettings &current, MeasurementUnit unit) = 0;
    /// Columns (width) and rows (height) of a new table; empty when cancelled.
    virtual std::optional<QSize> insertTableForm() = 0;
    /// The symbol dialog, opened on the font `family`; empty when cancelled.
    virtual std::optional<SymbolChoice> symbolForm(const QString &family) = 0;
    /// The hyperlink dialog; empty when cancelled.
    virtual std::optional<HyperlinkSettings> hyperlinkForm(const HyperlinkSettings &current) = 0;
    /// Opens a hyperlink's address with the desktop's program for it.
    virtual void openLink(const QString &address) = 0;
    /// The bookmark dialog over the control's document.
    virtual void showBookmarks(RichEditControl &control) = 0;
    /// A picture file to insert; empty when cancelled.
    virtual std::optional<QString> pictureFile() = 0;
    /// Shows the find (or find-and-replace) window for the control; it stays open beside the editor.
    virtual void showFindReplace(RichEditControl &control, CommandSession &session, bool replace) = 0;
    /// The page setup dialog on `page`, lengths shown in `unit`; empty when cancelled.
    virtual std::optional<PageSetupSettings> pageSetupForm(const PageSetupSettings &current, MeasurementUnit unit,
                                                           PageSetupPage page) = 0;
    /// The columns dialog, spacing shown in `unit`; empty when cancelled.
    virtual std::optional<ColumnsSettings> columnsForm(const ColumnsSettings &current, MeasurementUnit unit) = 0;
    /// The line numbers dialog, the distance shown in `unit`; empty when cancelled.
    virtual std::optional<LineNumbering> lineNumberingForm(const LineNumbering &current, MeasurementUnit unit) = 0;
    /// The password that will protect the document, entered twice; empty for none. Empty
    /// optional when cancelled.
    virtual std::optional<QString> newPasswordForm() = 0;
    /// The password that removes the document's protection; empty optional when cancelled.
    virtual std::optional<QString> passwordForm() = 0;
    /// A plain information message.
    virtual void information(const QString &text) = 0;
    /// A Yes/No question before something that cannot be taken back; true for Yes.
    virtual bool confirm(const QString &text) = 0;

    // --- Styles and tables: answers nothing (cancelled) unless a dialog overrides it. ---
    /// The style editor over `sheet`, opened on `currentId`: the styles changed or added.
    virtual std::optional<std::vector<Style>> editStyleForm(const StyleSheet &, const QString &) { return {}; }
    /// One of the built-in table styles (ids), opened on `currentId`.
    virtual std::optional<QString> tableStyleForm(const QStringList &, const QString &) { return {}; }
    virtual std::optional<TableProperties> tablePropertiesForm(const TableProperties &, MeasurementUnit) { return {}; }
    virtual std::optional<CellShift> insertCellsForm() { return {}; }
    virtual std::optional<CellShift> deleteCellsForm() { return {}; }
    /// Columns (width) and rows (height) to split the selected cells into.
    virtual std::optional<QSize> splitCellsForm(const QSize &) { return {}; }
    // ---
    /// The printer dialog, then the control's pages printed as it lays them out; false when
    /// cancelled. Throws `richedit::Error` when the printer cannot be started.
    virtual bool printForm(RichEditControl &control) = 0;
    /// The print preview window over the control's pages.
    virtual void printPreviewForm(RichEditControl &control) = 0;
};

} // namespace richedit
