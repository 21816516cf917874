#include "platform/richedit/commands/ColumnsDialog.h"
#include "platform/richedit/commands/LengthSpinBox.h"
#include "platform/richedit/commands/LineNumberingDialog.h"
#include "platform/richedit/commands/PageSetupDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace richedit;

namespace {

const MeasurementUnit allUnits[] = {MeasurementUnit::Inch, MeasurementUnit::Centimeter, MeasurementUnit::Millimeter,
                                    MeasurementUnit::Point, MeasurementUnit::Document};

/// Lengths that no unit shows exactly (A4 from a file, odd margins).
PageSetupSettings awkwardPage()
{
    PageSetupSettings settings;
    Section &page = settings.page;
    page.setPaperKind(PaperKind::A4);
    page.margins = {1001, 1417, 851, 1135, 709, 567};
    return settings;
}

template <typename T>
T *child(const QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace

TEST(PageSetupDialog, UntouchedValuesComeBackExactlyInEveryUnit)
{
    for (MeasurementUnit unit : allUnits) {
        PageSetupDialog dialog(awkwardPage(), unit, PageSetupPage::Margins);
        EXPECT_EQ(dialog.settings(), awkwardPage()) << int(unit);
        ColumnsDialog columns({3, 1001, 9000}, unit);
        EXPECT_EQ(columns.settings(), (ColumnsSettings{3, 1001, 9000})) << int(unit);
        const LineNumbering numbering{2, 5, 433, LineNumbering::EachSection};
        LineNumberingDialog lines(numbering, unit);
        EXPECT_EQ(lines.settings(), numbering) << int(unit);
    }
}

TEST(PageSetupDialog, TypedLengthsAreReadInTheControlsUnit)
{
    const struct {
        MeasurementUnit unit;
        double typed;
        int twips;
    } cases[] = {
        {MeasurementUnit::Inch, 1.25, 1800},
        {MeasurementUnit::Centimeter, 2.5, 1417},
        {MeasurementUnit::Millimeter, 30, 1701},
        {MeasurementUnit::Point, 72, 1440},
        {MeasurementUnit::Document, 150, 720},
    };
    for (const auto &c : cases) {
        PageSetupDialog dialog(awkwardPage(), c.unit, PageSetupPage::Margins);
        LengthSpinBox *left = dialog.lengthBox("left");
        ASSERT_NE(left, nullptr);
        left->setValue(c.typed);
        EXPECT_EQ(dialog.settings().page.margins.left, c.twips) << int(c.unit);
        EXPECT_EQ(dialog.settings().page.margins.right, 1417) << "untouched boxes keep their twips";
        // Typing the value a box shows back into it keeps the exact length.
        PageSetupDialog again(awkwardPage(), c.unit, PageSetupPage::Margins);
        LengthSpinBox *top = again.lengthBox("top");
        top->setValue(top->value());
        EXPECT_EQ(again.settings().page.margins.top, 851) << int(c.unit);
    }
}

TEST(PageSetupDialog, PaperKindOrientationAndSizeFollowEachOther)
{
    PageSetupDialog dialog(awkwardPage(), MeasurementUnit::Centimeter, PageSetupPage::Paper);
    auto *paper = child<QComboBox>(dialog, "paper");
    auto *landscape = child<QRadioButton>(dialog, "landscape");
    ASSERT_TRUE(paper && landscape);
    EXPECT_EQ(paper->count(), int(knownPaperKinds().size()) + 1) << "every known kind and a custom size";

    paper->setCurrentIndex(paper->findData(int(PaperKind::A5)));
    emit paper->activated(paper->currentIndex());
    EXPECT_EQ(dialog.settings().page.pageWidth, paperSizeTwips(PaperKind::A5)->width());
    EXPECT_EQ(dialog.settings().page.paperKind, PaperKind::A5);

    landscape->setChecked(true);
    const Section turned = dialog.settings().page;
    EXPECT_TRUE(turned.landscape);
    EXPECT_EQ(turned.pageWidth, paperSizeTwips(PaperKind::A5)->height());
    EXPECT_EQ(turned.pageHeight, paperSizeTwips(PaperKind::A5)->width());

    dialog.lengthBox("width")->setValue(25);
    EXPECT_EQ(dialog.settings().page.paperKind, PaperKind::Custom);
    dialog.lengthBox("width")->setValue(29.7);
    dialog.lengthBox("height")->setValue(21);
    EXPECT_EQ(dialog.settings().page.paperKind, PaperKind::A4) << "a typed A4 size in landscape is A4";
}

TEST(PageSetupDialog, OpensOnTheAskedPageAndAppliesToTheChosenRange)
{
    PageSetupSettings whole = awkwardPage();
    whole.wholeDocument = true;
    PageSetupDialog dialog(whole, MeasurementUnit::Inch, PageSetupPage::Paper);
    EXPECT_TRUE(dialog.settings().wholeDocument);
    child<QComboBox>(dialog, "applyTo")->setCurrentIndex(0);
    EXPECT_FALSE(dialog.settings().wholeDocument);
}

TEST(PageSetupDialog, LineNumbersOffGiveCountByZero)
{
    LineNumberingDialog dialog({3, 1, 0, LineNumbering::EachPage}, MeasurementUnit::Centimeter);
    child<QCheckBox>(dialog, "enabled")->setChecked(false);
    EXPECT_EQ(dialog.settings().countBy, 0);
}

TEST(PageSetupLimits, MarginsAndColumnsMustLeaveRoomForText)
{
    Section letter; // 12240 x 15840
    const struct {
        int left, right, top, bottom;
        bool fits;
    } margins[] = {{1440, 1440, 1440, 1440, true},
                   {6000, 5880, 1440, 1440, true}, // 360 twips of text
                   {6000, 5881, 1440, 1440, false},
                   {1440, 1440, 8000, 7600, false}};
    for (const auto &m : margins) {
        letter.margins.left = m.left;
        letter.margins.right = m.right;
        letter.margins.top = m.top;
        letter.margins.bottom = m.bottom;
        EXPECT_EQ(marginsFit(letter), m.fits) << m.left << "/" << m.right << "/" << m.top << "/" << m.bottom;
    }
    EXPECT_TRUE(columnsFit({2, 720, 9360}));
    EXPECT_TRUE(columnsFit({3, 0, 1080}));
    EXPECT_FALSE(columnsFit({3, 1, 1080}));
    EXPECT_FALSE(columnsFit({0, 720, 9360}));
    EXPECT_FALSE(columnsFit({46, 0, 100000}));
}
