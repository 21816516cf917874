#include "platform/ui/RadioGroup.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(RadioGroup, StartsWithNoItemAndCanReturnToNone)
{
    ui::RadioGroup group(QStringLiteral("Měrné jednotky"), {"Centimetry", "Milimetry", "Palce"});
    EXPECT_EQ(group.itemIndex(), -1);
    QSignalSpy changed(&group, &ui::RadioGroup::itemIndexChanged);
    group.setItemIndex(2);
    EXPECT_EQ(group.itemIndex(), 2);
    group.setItemIndex(0);
    EXPECT_EQ(group.itemIndex(), 0);
    EXPECT_EQ(changed.count(), 2);
    group.setItemIndex(-1);
    EXPECT_EQ(group.itemIndex(), -1);
}
