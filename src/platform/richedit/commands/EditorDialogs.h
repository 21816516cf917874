#pragma once

#include "platform/richedit/model/Units.h"

#include <QFont>
#include <QSize>
#include <QString>

#include <optional>

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
    /// A plain information message.
    virtual void information(const QString &text) = 0;
    /// The printer dialog, then the control's pages printed as it lays them out; false when
    /// cancelled. Throws `richedit::Error` when the printer cannot be started.
    virtual bool printForm(RichEditControl &control) = 0;
    /// The print preview window over the control's pages.
    virtual void printPreviewForm(RichEditControl &control) = 0;
};

} // namespace richedit
