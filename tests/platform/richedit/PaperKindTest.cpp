#include "platform/richedit/model/Section.h"
#include "platform/richedit/model/Units.h"

#include <gtest/gtest.h>

using namespace richedit;

TEST(PaperKind, LetterAndA4HaveTheirNumbersAndSizes)
{
    EXPECT_EQ(static_cast<int>(PaperKind::Letter), 1);
    EXPECT_EQ(static_cast<int>(PaperKind::A4), 9);
    EXPECT_EQ(paperSizeTwips(PaperKind::Letter), QSize(12240, 15840));
    EXPECT_EQ(paperSizeTwips(PaperKind::A4), QSize(11906, 16838));
    EXPECT_FALSE(paperSizeTwips(PaperKind::Custom));
}

TEST(PaperKind, SizesAreRecognisedWithinAPoint)
{
    EXPECT_EQ(paperKindForSize({11906, 16838}), PaperKind::A4);
    EXPECT_EQ(paperKindForSize({11900, 16840}), PaperKind::A4);
    EXPECT_EQ(paperKindForSize({12240, 15840}), PaperKind::Letter);
    EXPECT_EQ(paperKindForSize({10000, 10000}), PaperKind::Custom);
}

TEST(Section, OrientationSwapsTheSidesAndPaperKindKeepsIt)
{
    Section section;
    section.setPaperKind(PaperKind::A4);
    section.setLandscape(true);
    EXPECT_EQ(section.pageSizeTwips(), QSize(16838, 11906));
    section.setPaperKind(PaperKind::Letter);
    EXPECT_EQ(section.pageSizeTwips(), QSize(15840, 12240));
    section.setLandscape(false);
    EXPECT_EQ(section.pageSizeTwips(), QSize(12240, 15840));
}

TEST(Units, ConvertBetweenTwipsAndEveryUnit)
{
    EXPECT_DOUBLE_EQ(toUnit(1440, MeasurementUnit::Inch), 1.0);
    EXPECT_DOUBLE_EQ(toUnit(1440, MeasurementUnit::Point), 72.0);
    EXPECT_DOUBLE_EQ(toUnit(1440, MeasurementUnit::Document), 300.0);
    EXPECT_NEAR(toUnit(1440, MeasurementUnit::Centimeter), 2.54, 1e-9);
    EXPECT_NEAR(toUnit(1440, MeasurementUnit::Millimeter), 25.4, 1e-9);
    EXPECT_EQ(fromUnit(2.5, MeasurementUnit::Centimeter), 1417);
    EXPECT_DOUBLE_EQ(twipsToLayout(1440), 96.0);
}
