#include "UnitsAndMargins.h"

#include "platform/richedit/view/RichEditControl.h"

namespace commands {
namespace {

using richedit::MeasurementUnit;
using richedit::PaperKind;

constexpr StandardPage pages[] = {
    {MeasurementUnit::Centimeter, PaperKind::A4, 2.5},
    {MeasurementUnit::Inch, PaperKind::Letter, 1.0},
};

constexpr UnitItem items[] = {
    {0, MeasurementUnit::Centimeter, PaperKind::A4, false},
    {1, MeasurementUnit::Millimeter, PaperKind::A4, false},
    {2, MeasurementUnit::Inch, PaperKind::Letter, true},
};

} // namespace

std::span<const StandardPage> standardPages()
{
    return pages;
}

std::span<const UnitItem> unitItems()
{
    return items;
}

void setFirstSectionPaper(richedit::RichEditControl &editor, PaperKind paper)
{
    richedit::Section section = editor.document().section(0);
    if (section.paperKind == paper)
        return;
    section.setPaperKind(paper);
    editor.document().setSection(0, section);
}

void applyStandardPage(richedit::RichEditControl &editor)
{
    const MeasurementUnit unit = editor.MeasurementUnit();
    for (const StandardPage &page : pages) {
        if (page.unit != unit)
            continue;
        setFirstSectionPaper(editor, page.paper);
        richedit::Section section = editor.document().section(0);
        const int margin = richedit::fromUnit(page.margin, unit);
        section.margins.left = margin;
        section.margins.right = margin;
        section.margins.top = margin;
        section.margins.bottom = margin;
        if (!(section == editor.document().section(0)))
            editor.document().setSection(0, section);
        return;
    }
}

void applyUnitItem(richedit::RichEditControl &editor, int itemIndex)
{
    for (const UnitItem &item : items) {
        if (item.itemIndex != itemIndex)
            continue;
        editor.SetMeasurementUnit(item.unit);
        setFirstSectionPaper(editor, item.paper);
        if (item.repaint)
            editor.viewport()->update();
        return;
    }
}

} // namespace commands
