#include "commands/UnitsAndMargins.h"
#include "platform/ui/RadioGroup.h"
#include "support/ProgramFixture.h"

#include <QRadioButton>

namespace {

using richedit::MeasurementUnit;
using richedit::PaperKind;

const int cm25 = richedit::fromUnit(2.5, MeasurementUnit::Centimeter);
constexpr int inch = 1440;

/// The program with the shipped language files, so that every switch goes through.
class UnitsAndMarginsTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        installShippedLanguages();
    }

    void expectPage(PaperKind paper, int margin)
    {
        const richedit::Section &section = firstSection();
        EXPECT_EQ(section.paperKind, paper);
        EXPECT_EQ(section.pageSizeTwips(), *richedit::paperSizeTwips(paper));
        EXPECT_EQ(section.margins.left, margin);
        EXPECT_EQ(section.margins.right, margin);
        EXPECT_EQ(section.margins.top, margin);
        EXPECT_EQ(section.margins.bottom, margin);
    }

    void setPage(PaperKind paper, int margin)
    {
        richedit::Section section = firstSection();
        section.setPaperKind(paper);
        section.margins.left = section.margins.right = section.margins.top = section.margins.bottom = margin;
        editor().document().setSection(0, section);
    }

    void chooseInPreferences(QRadioButton *TfNastaveni::*language, int unitItem)
    {
        nastaveni->show();
        (nastaveni.get()->*language)->setChecked(true);
        nastaveni->rgMerneJednotky->setItemIndex(unitItem);
        nastaveni->bOK->click();
    }
};

TEST_F(UnitsAndMarginsTest, FirstStartGivesA4WithTwoAndAHalfCentimetres)
{
    start();
    EXPECT_EQ(editor().MeasurementUnit(), MeasurementUnit::Centimeter);
    expectPage(PaperKind::A4, cm25);
}

TEST_F(UnitsAndMarginsTest, StoredInchesGiveLetterWithOneInch)
{
    writeSettings("[Settings]\nUnits=inch\n");
    start();
    EXPECT_EQ(editor().MeasurementUnit(), MeasurementUnit::Inch);
    expectPage(PaperKind::Letter, inch);
}

TEST_F(UnitsAndMarginsTest, StoredMillimetresKeepTheEnglishLetterAndTheDefaultMargins)
{
    writeSettings("[Settings]\nUnits=mm\n");
    start();
    expectPage(PaperKind::Letter, richedit::PageMargins().left);
}

TEST_F(UnitsAndMarginsTest, InchesWithEnglishKeepTheMarginsPhysicalSize)
{
    start();
    chooseInPreferences(&TfNastaveni::rbAnglictina, 2);
    EXPECT_EQ(editor().MeasurementUnit(), MeasurementUnit::Inch);
    expectPage(PaperKind::Letter, cm25);
}

TEST_F(UnitsAndMarginsTest, InchesWithCzechEndAsA4WithOneInch)
{
    start();
    chooseInPreferences(&TfNastaveni::rbCestina, 2);
    EXPECT_EQ(editor().MeasurementUnit(), MeasurementUnit::Inch);
    expectPage(PaperKind::A4, inch);
}

TEST_F(UnitsAndMarginsTest, NoUnitItemChangesNothing)
{
    start();
    setPage(PaperKind::A5, 500);
    commands::applyUnitItem(editor(), -1);
    EXPECT_EQ(editor().MeasurementUnit(), MeasurementUnit::Centimeter);
    expectPage(PaperKind::A5, 500);
}

struct StandardPageCase {
    MeasurementUnit unit;
    PaperKind paper;
    int margin;
};

class StandardPageTest : public UnitsAndMarginsTest, public ::testing::WithParamInterface<StandardPageCase> {};

TEST_P(StandardPageTest, NewDocumentGetsTheUnitsPage)
{
    start();
    editor().SetMeasurementUnit(GetParam().unit);
    setPage(PaperKind::Legal, 300);
    form->BSouborNovyClick();
    expectPage(GetParam().paper, GetParam().margin);
}

TEST_P(StandardPageTest, OnlyTheFirstSectionChanges)
{
    start();
    richedit::Section second;
    second.setPaperKind(PaperKind::A5);
    second.margins.left = 111;
    second.margins.top = 222;
    richedit::Section first;
    first.setPaperKind(PaperKind::Legal);
    first.setLandscape(true);
    first.margins.header = 333;
    editor().document().setSections({first, second});
    editor().SetMeasurementUnit(GetParam().unit);
    form->nastavitokraje();
    EXPECT_EQ(editor().document().section(1), second);
    EXPECT_TRUE(firstSection().landscape);           // orientation kept
    EXPECT_EQ(firstSection().margins.header, 333);   // header distance kept
}

INSTANTIATE_TEST_SUITE_P(Units, StandardPageTest,
                         ::testing::Values(StandardPageCase{MeasurementUnit::Centimeter, PaperKind::A4, cm25},
                                           StandardPageCase{MeasurementUnit::Inch, PaperKind::Letter, inch},
                                           // millimetres have no standard page: New keeps the default
                                           StandardPageCase{MeasurementUnit::Millimeter, PaperKind::Letter, 1440}));

TEST_F(UnitsAndMarginsTest, MillimetresSetNothing)
{
    start();
    setPage(PaperKind::Legal, 300);
    editor().SetMeasurementUnit(MeasurementUnit::Millimeter);
    form->nastavitokraje();
    expectPage(PaperKind::Legal, 300);
}

TEST_F(UnitsAndMarginsTest, TheSamePaperLeavesTheDocumentUntouched)
{
    start();
    int changes = 0;
    QObject::connect(&editor().document(), &richedit::Document::pageSetupChanged, [&] { ++changes; });
    commands::setFirstSectionPaper(editor(), firstSection().paperKind);
    form->nastavitokraje(); // already the standard page
    EXPECT_EQ(changes, 0);
}

} // namespace
