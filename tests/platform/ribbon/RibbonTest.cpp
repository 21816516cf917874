#include "platform/ribbon/ColorPalette.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/ribbon/RibbonButton.h"

#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace ribbon;

namespace {

/// A ribbon of three tabs; the second has a group with large and small items.
class RibbonTest : public ::testing::Test {
protected:
    Ribbon ribbon;
    RibbonTab *first = ribbon.addTab(QStringLiteral("TabOne"), QStringLiteral("One"));
    RibbonTab *second = ribbon.addTab(QStringLiteral("TabTwo"), QStringLiteral("Two"));
    RibbonTab *third = ribbon.addTab(QStringLiteral("TabThree"), QStringLiteral("Three"));
    RibbonGroup *group = second->addGroup(QStringLiteral("GroupA"), QStringLiteral("Group A"));

    RibbonItem *add(ItemKind kind, const char *name, ItemLayout layout = {})
    {
        RibbonItem *item = group->addItem(kind, QString::fromLatin1(name), layout);
        item->setText(QString::fromLatin1(name));
        item->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy")));
        return item;
    }

    static ItemLayout row(bool joined = false)
    {
        ItemLayout layout;
        layout.continuesRow = true;
        layout.joinedGroup = joined;
        return layout;
    }
};

QRect placement(const RibbonItem *item)
{
    QWidget *widget = item->widget();
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

} // namespace

TEST_F(RibbonTest, TabsGroupsItemsAndMenuEntriesAreFoundByName)
{
    RibbonItem *menu = add(ItemKind::Menu, "bMenu");
    RibbonItem *entry = menu->addMenuItem(ItemKind::Small, QStringLiteral("bEntry"));
    EXPECT_EQ(ribbon.tab(QStringLiteral("TabTwo")), second);
    EXPECT_EQ(ribbon.group(QStringLiteral("GroupA")), group);
    EXPECT_EQ(ribbon.item(QStringLiteral("bMenu")), menu);
    EXPECT_EQ(ribbon.item(QStringLiteral("bEntry")), entry);
    EXPECT_EQ(entry->parentMenuItem(), menu);
    EXPECT_EQ(menu->menuItems(), QList<RibbonItem *>{entry});
    EXPECT_EQ(ribbon.item(QStringLiteral("nothing")), nullptr);
}

TEST_F(RibbonTest, TabsAreHiddenShownAndActivated)
{
    EXPECT_EQ(ribbon.activeTab(), first);
    QSignalSpy changed(&ribbon, &Ribbon::activeTabChanged);
    second->setActive();
    EXPECT_TRUE(second->isActive());
    EXPECT_EQ(changed.count(), 1);

    // Hiding the active tab moves to another; hiding another keeps the active one.
    second->setTabVisible(false);
    EXPECT_FALSE(second->isTabVisible());
    EXPECT_NE(ribbon.activeTab(), second);
    EXPECT_NE(ribbon.activeTab(), nullptr);
    third->setActive();
    first->setTabVisible(false);
    EXPECT_EQ(ribbon.activeTab(), third);

    // Activating a hidden tab shows it.
    second->setActive();
    EXPECT_TRUE(second->isTabVisible());
    EXPECT_EQ(ribbon.activeTab(), second);
}

TEST_F(RibbonTest, SmallItemsFillRowsOfThreeAndLargeItemsStandAlone)
{
    RibbonItem *large = add(ItemKind::Large, "bLarge");
    RibbonItem *a = add(ItemKind::Small, "bA");
    RibbonItem *b = add(ItemKind::Small, "bB", row());
    RibbonItem *c = add(ItemKind::Small, "bC");
    RibbonItem *d = add(ItemKind::Small, "bD");
    RibbonItem *e = add(ItemKind::Small, "bE"); // a fourth row starts a new column
    ItemLayout separated;
    separated.separator = true;
    RibbonItem *f = add(ItemKind::Small, "bF", separated);
    second->setActive();
    ribbon.resize(1200, Ribbon::ribbonHeight);
    ribbon.show();
    QCoreApplication::processEvents();

    EXPECT_LT(placement(large).right(), placement(a).left());
    EXPECT_EQ(placement(a).top(), placement(b).top());
    EXPECT_LT(placement(a).right(), placement(b).left() + 1);
    EXPECT_EQ(placement(c).left(), placement(a).left());
    EXPECT_GT(placement(c).top(), placement(a).top());
    EXPECT_GT(placement(d).top(), placement(c).top());
    EXPECT_EQ(placement(e).top(), placement(a).top());
    EXPECT_GT(placement(e).left(), placement(b).right());
    EXPECT_EQ(placement(f).top(), placement(a).top()) << "a separator starts a new column";
    EXPECT_GT(placement(f).left(), placement(e).right());
    EXPECT_EQ(placement(large).height(), RibbonButton::largeHeight);
}

TEST_F(RibbonTest, AnItemFollowsItsActionsStateAndShowsItsHint)
{
    RibbonItem *item = add(ItemKind::Small, "bToggle");
    item->setCheckable(true);
    item->setHint(QStringLiteral("Does a thing."));
    auto *button = qobject_cast<QToolButton *>(item->widget());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), QStringLiteral("Does a thing."));
    item->setChecked(true);
    EXPECT_TRUE(button->isChecked());
    item->setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    item->setVisible(false);
    EXPECT_TRUE(button->isHidden());
    item->setVisible(true);
    EXPECT_FALSE(button->isHidden());
    item->setHint(QString());
    EXPECT_EQ(item->hint(), QString());
    EXPECT_TRUE(button->toolTip().trimmed().isEmpty()) << "no hint, no tool tip (not the caption)";
}

TEST_F(RibbonTest, AnIconOnlyItemWithoutAGlyphShowsItsCaption)
{
    ItemLayout iconOnly;
    iconOnly.iconOnly = true;
    RibbonItem *withIcon = add(ItemKind::Small, "bWithIcon", iconOnly);
    RibbonItem *without = add(ItemKind::Small, "bWithout", iconOnly);
    without->setIcon(QIcon());
    EXPECT_FALSE(withIcon->icon().isNull()) << "the Breeze theme is found";
    EXPECT_EQ(qobject_cast<QToolButton *>(withIcon->widget())->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(qobject_cast<QToolButton *>(without->widget())->toolButtonStyle(), Qt::ToolButtonTextOnly);
}

TEST_F(RibbonTest, ClicksPalettePicksAndComboEntriesRunTheItem)
{
    RibbonItem *button = add(ItemKind::Large, "bRun");
    RibbonItem *gallery = add(ItemKind::Gallery, "bColour");
    RibbonItem *combo = add(ItemKind::Combo, "bCombo");
    combo->comboBox()->addItems({QStringLiteral("8"), QStringLiteral("9")});
    QSignalSpy ran(button, &RibbonItem::executed);
    QSignalSpy coloured(gallery, &RibbonItem::executed);
    QSignalSpy chosen(combo, &RibbonItem::executed);

    button->trigger();
    ASSERT_EQ(ran.count(), 1);
    EXPECT_FALSE(ran.at(0).at(0).isValid());

    auto *palette = gallery->widget()->findChild<ColorPalette *>();
    ASSERT_NE(palette, nullptr);
    emit palette->colourPicked(Qt::green);
    gallery->trigger(); // the button itself applies the last colour again
    ASSERT_EQ(coloured.count(), 2);
    EXPECT_EQ(coloured.at(0).at(0).value<QColor>(), QColor(Qt::green));
    EXPECT_EQ(coloured.at(1).at(0).value<QColor>(), QColor(Qt::green));

    combo->setValue(QStringLiteral("9"));
    EXPECT_EQ(chosen.count(), 0) << "showing a value runs nothing";
    combo->comboBox()->lineEdit()->setText(QStringLiteral("10.5"));
    QTest::keyClick(combo->comboBox()->lineEdit(), Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toString(), QStringLiteral("10.5"));
    combo->comboBox()->lineEdit()->setText(QStringLiteral("8"));
    QTest::keyClick(combo->comboBox()->lineEdit(), Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_EQ(chosen.count(), 2) << "a listed size runs the item once";
    EXPECT_EQ(chosen.at(1).at(0).toString(), QStringLiteral("8"));
}

TEST_F(RibbonTest, ANarrowRibbonScrollsInsteadOfSqueezingItsButtons)
{
    QList<RibbonItem *> items;
    for (int i = 0; i < 20; ++i)
        items << add(ItemKind::Large, qPrintable(QStringLiteral("bWide%1").arg(i)));
    items.first()->setText(QStringLiteral("A rather long caption"));
    second->setActive();
    ribbon.resize(300, Ribbon::ribbonHeight);
    ribbon.show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    for (RibbonItem *item : items)
        EXPECT_GE(item->widget()->width(), item->widget()->sizeHint().width()) << item->objectName().toStdString();
    EXPECT_EQ(qobject_cast<QToolButton *>(items.first()->widget())->text(), QStringLiteral("A rather\nlong caption"));
}

TEST(RibbonButtonCaption, LongCaptionsWrapAtTheMiddleSpace)
{
    EXPECT_EQ(RibbonButton::wrapCaption(QStringLiteral("Uložit")), QStringLiteral("Uložit"));
    EXPECT_EQ(RibbonButton::wrapCaption(QStringLiteral("Uložit jako")), QStringLiteral("Uložit\njako"));
    EXPECT_EQ(RibbonButton::wrapCaption(QStringLiteral("Navštívit webové stránky")),
              QStringLiteral("Navštívit\nwebové stránky"));
    EXPECT_EQ(RibbonButton::wrapCaption(QStringLiteral("Programátorské")), QStringLiteral("Programátorské"));
}
