#include "EditorFixture.h"
#include "commands/DateTimeCommands.h"
#include "commands/fDatumACas.h"
#include "platform/rtl/FormatDateTime.h"

#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

class DatumCasDialogTest : public EditorFixture {
protected:
    DatumCasDialogTest() { dialog.setEditor(&editor); }

    QDateTime now{QDate(2024, 3, 5), QTime(14, 7, 9)};
    TfDatumCas dialog{nullptr, [this] { return now; }};

    QString line(int row) { return dialog.lbCas->item(row)->text(); }
    QString expectedLine(int row)
    {
        return rtl::FormatDateTime(QString::fromUtf8(TfDatumCas::patterns()[std::size_t(row)]), now);
    }
    void selectRow(int row) { dialog.lbCas->item(row)->setSelected(true); }
};

TEST_F(DatumCasDialogTest, ListsThirteenLinesFormattedFromOneInstant)
{
    ASSERT_EQ(dialog.lbCas->count(), 13);
    for (int row = 0; row < 13; ++row)
        EXPECT_EQ(line(row), expectedLine(row)) << row;
    EXPECT_EQ(line(0), QStringLiteral("2024-03-05"));
    EXPECT_EQ(line(6), QStringLiteral("14-07-09")); // hh-mm-ss shows minutes, not the month
    EXPECT_TRUE(dialog.lbCas->selectedItems().isEmpty());
}

TEST_F(DatumCasDialogTest, ShowingAgainRefreshesTheLinesAndKeepsTheSelectedLine)
{
    dialog.show();
    selectRow(6);
    dialog.bVlozitClick();
    now = now.addSecs(3600 + 60);
    dialog.show();
    EXPECT_EQ(line(6), QStringLiteral("15-08-09"));
    for (int row = 0; row < 13; ++row)
        EXPECT_EQ(line(row), expectedLine(row)) << row;
    ASSERT_EQ(dialog.lbCas->selectedItems().size(), 1);
    EXPECT_EQ(dialog.lbCas->row(dialog.lbCas->selectedItems().first()), 6);
}

TEST_F(DatumCasDialogTest, OkInsertsTheSelectedLineAtTheCaretAndCloses)
{
    setText(QStringLiteral("[]"));
    select(1, 1);
    dialog.show();
    selectRow(8);
    dialog.bVlozit->click();
    EXPECT_EQ(text(), QStringLiteral("[") + expectedLine(8) + QStringLiteral("]"));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DatumCasDialogTest, OkWithNoLineSelectedInsertsNothingAndCloses)
{
    setText(QStringLiteral("ab"));
    dialog.show();
    dialog.bVlozit->click();
    EXPECT_EQ(text(), QStringLiteral("ab"));
    EXPECT_FALSE(story().isUndoAvailable());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DatumCasDialogTest, StornoInsertsNothing)
{
    setText(QStringLiteral("ab"));
    dialog.show();
    selectRow(0);
    dialog.bStorno->click();
    EXPECT_EQ(text(), QStringLiteral("ab"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(DatumCasDialogTest, LayoutAndButtons)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Datum a čas"));
    EXPECT_EQ(dialog.size(), QSize(258, 308));
    EXPECT_EQ(dialog.lbCas->geometry(), QRect(8, 8, 241, 241));
    EXPECT_EQ(dialog.bVlozit->geometry(), QRect(174, 272, 75, 25));
    EXPECT_EQ(dialog.bStorno->geometry(), QRect(8, 272, 75, 25));
    EXPECT_EQ(dialog.bVlozit->text(), QStringLiteral("Ok"));
    EXPECT_EQ(dialog.bStorno->text(), QStringLiteral("Storno"));
    EXPECT_TRUE(dialog.bVlozit->isDefault());
    EXPECT_EQ(dialog.lbCas->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint);
    // Growing the dialog grows the list; the buttons keep to the bottom corners.
    dialog.show();
    dialog.resize(358, 408);
    EXPECT_EQ(dialog.lbCas->geometry(), QRect(8, 8, 341, 341));
    EXPECT_EQ(dialog.bVlozit->geometry(), QRect(274, 372, 75, 25));
    EXPECT_EQ(dialog.bStorno->geometry(), QRect(8, 372, 75, 25));
}

TEST_F(DatumCasDialogTest, DatumCasShowsTheDialogModallyUntilItCloses)
{
    setText(QString());
    QTimer::singleShot(0, &dialog, [this] {
        EXPECT_TRUE(dialog.isModal() && dialog.isVisible());
        selectRow(0);
        dialog.bVlozit->click();
    });
    commands::bVlozitDatumCasClick(dialog);
    EXPECT_EQ(text(), QStringLiteral("2024-03-05"));
}

} // namespace
