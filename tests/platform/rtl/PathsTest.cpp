#include "platform/rtl/Paths.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

/// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value) : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    QByteArray m_old;
    bool m_had;
};

TEST(PathsTest, SettingsFileLivesUnderAppDataWhenSet)
{
    ScopedEnv appData("APPDATA", "/home/u/appdata");
    EXPECT_EQ(rtl::settingsFilePath(), "/home/u/appdata/TAVEL Editor/settings.ini");
    ScopedEnv withSlash("APPDATA", "/home/u/appdata/");
    EXPECT_EQ(rtl::settingsFilePath(), "/home/u/appdata/TAVEL Editor/settings.ini");
}

TEST(PathsTest, SettingsFolderFallsBackToXdgConfig)
{
    ScopedEnv appData("APPDATA", QByteArray());
    ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/xdgconf");
    EXPECT_EQ(rtl::settingsFolder(), "/tmp/xdgconf/TAVEL Editor/");
}

TEST(PathsTest, TempFolderFromTempOrSystem)
{
    {
        ScopedEnv temp("TEMP", "/var/tmp/x");
        EXPECT_EQ(rtl::tempFolder(), "/var/tmp/x/");
    }
    ScopedEnv none("TEMP", QByteArray());
    EXPECT_EQ(rtl::tempFolder(), QDir::tempPath() + "/");
}

TEST(PathsTest, ProgramFolderEndsWithSeparator)
{
    EXPECT_TRUE(rtl::programFolder().endsWith('/'));
}

} // namespace
