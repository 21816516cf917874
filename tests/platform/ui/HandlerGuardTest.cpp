#include "platform/rtl/Error.h"
#include "platform/ui/FakeDialogs.h"
#include "platform/ui/HandlerGuard.h"

#include <gtest/gtest.h>

namespace {

using Kind = ui::FakeDialogs::Kind;

TEST(HandlerGuard, ErrorEndsTheHandlerAndShowsItsMessage)
{
    ui::FakeDialogs dialogs;
    bool cleanedUp = false;
    bool reachedEnd = false;
    const bool ok = ui::guarded(dialogs, [&] {
        struct Cleanup {
            bool &flag;
            ~Cleanup() { flag = true; }
        } cleanup{cleanedUp};
        throw platform::Error(QStringLiteral("Soubor nelze otevřít"));
        reachedEnd = true;
    });
    EXPECT_FALSE(ok);
    EXPECT_TRUE(cleanedUp);
    EXPECT_FALSE(reachedEnd);
    EXPECT_EQ(dialogs.texts(Kind::Error), QStringList{QStringLiteral("Soubor nelze otevřít")});
}

TEST(HandlerGuard, AnythingThrownIsCaught)
{
    ui::FakeDialogs dialogs;
    EXPECT_FALSE(ui::guarded(dialogs, [] { throw 42; }));
    EXPECT_EQ(dialogs.texts(Kind::Error).size(), 1);
    EXPECT_TRUE(ui::guarded(dialogs, [] {}));
    EXPECT_EQ(dialogs.count(), 1u);
}

} // namespace
