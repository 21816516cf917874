#pragma once

#include "platform/richedit/model/PaperKind.h"
#include "platform/richedit/model/Units.h"

#include <span>

namespace richedit {
class RichEditControl;
}

namespace commands {

/// The standard page of a measurement unit: paper and the four margins, in that unit.
struct StandardPage {
    richedit::MeasurementUnit unit;
    richedit::PaperKind paper;
    double margin;
};

/// The units that have a standard page. Millimetres have none, so a new document in
/// millimetres keeps the editor's default page.
std::span<const StandardPage> standardPages();

/// One item of the preferences dialog's unit group and what choosing it applies.
struct UnitItem {
    int itemIndex;
    richedit::MeasurementUnit unit;
    richedit::PaperKind paper;
    bool repaint;
};

/// "Centimetry", "Milimetry" and "Palce", by item index.
std::span<const UnitItem> unitItems();

/// Sets the paper kind of the document's first section; the document is left untouched when
/// the section has that paper already. Other sections, margins and orientation stay.
void setFirstSectionPaper(richedit::RichEditControl &editor, richedit::PaperKind paper);

/// The standard page of the editor's current unit on the first section: paper, then the
/// left, right, top and bottom margins. A unit without a standard page sets nothing.
void applyStandardPage(richedit::RichEditControl &editor);

/// Applies the unit of an item of the unit group: the editor's unit and the first section's
/// paper, no margins (they keep their physical size). An index without an item does nothing.
void applyUnitItem(richedit::RichEditControl &editor, int itemIndex);

} // namespace commands
