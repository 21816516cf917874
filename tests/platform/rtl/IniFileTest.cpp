#include "platform/rtl/IniFile.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

using rtl::IniFile;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    TempDir dir;
    QString file = dir.path(QStringLiteral("settings.ini"));
    IniFile ini{file};

    QByteArray content() const { return dir.read(QStringLiteral("settings.ini")); }
};

TEST_F(IniFileTest, MissingFileGivesDefaultsAndIsNotCreatedByReading)
{
    EXPECT_EQ(ini.readString("Window", "Width", "dflt"), "dflt");
    EXPECT_EQ(ini.readInteger("Window", "Width", 42), 42);
    EXPECT_TRUE(ini.readBool("Settings", "VlastniSlovnik", true));
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(IniFileTest, FirstWritesCreateFileWithSectionsInOrderOfFirstWrite)
{
    ini.writeInteger("Window", "Width", 1226);
    ini.writeInteger("Window", "Height", 745);
    ini.writeString("Settings", "Units", "cm");
    ini.writeInteger("Window", "WindowState", 0);
    ini.writeInteger("Settings", "UnitsIndex", -1);
    EXPECT_EQ(content(), QByteArray("[Window]\nWidth=1226\nHeight=745\nWindowState=0\n\n"
                                    "[Settings]\nUnits=cm\nUnitsIndex=-1\n"));
}

TEST_F(IniFileTest, WriteReplacesInPlaceAndMatchesNamesWithoutCase)
{
    dir.write("settings.ini", "; kept\n[window]\nwidth = 10\nOther=x\n\n[Settings]\nUnits=mm\n");
    ini.writeInteger("WINDOW", "Width", 20);
    ini.writeString("Window", "New", "y");
    EXPECT_EQ(content(), QByteArray("; kept\n[window]\nWidth=20\nOther=x\nNew=y\n\n[Settings]\nUnits=mm\n"));
    EXPECT_EQ(ini.readInteger("Window", "WIDTH", 0), 20);
    EXPECT_EQ(ini.readString("SETTINGS", "units", ""), "mm");
}

TEST_F(IniFileTest, EveryReadGoesToTheFile)
{
    ini.writeString("Settings", "Units", "cm");
    dir.write("settings.ini", "[Settings]\nUnits=inch\n"); // another program changed it
    EXPECT_EQ(ini.readString("Settings", "Units", ""), "inch");
}

struct IntegerCase {
    const char *stored;
    int expected; // the default is 7
};

class IniIntegerTest : public IniFileTest, public ::testing::WithParamInterface<IntegerCase> {};

TEST_P(IniIntegerTest, ParsesDecimalHexAndFallsBackToDefault)
{
    dir.write("settings.ini", QByteArray("[W]\nV=") + GetParam().stored + "\n");
    EXPECT_EQ(ini.readInteger("W", "V", 7), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, IniIntegerTest,
                         ::testing::Values(IntegerCase{"1226", 1226}, IntegerCase{"-8", -8},
                                           IntegerCase{"0x1A", 26}, IntegerCase{"0X1a", 26},
                                           IntegerCase{"0x", 7}, IntegerCase{"0", 0}, IntegerCase{"wide", 7},
                                           IntegerCase{"12px", 7}, IntegerCase{"", 7},
                                           IntegerCase{"99999999999", 7}, IntegerCase{"0xFFFFFFFF", -1}));

TEST_F(IniFileTest, BooleansAreOneAndZeroAndAnyOtherNumberIsTrue)
{
    ini.writeBool("S", "On", true);
    ini.writeBool("S", "Off", false);
    EXPECT_EQ(content(), QByteArray("[S]\nOn=1\nOff=0\n"));
    dir.write("settings.ini", "[S]\nA=5\nB=0\nC=yes\n");
    EXPECT_TRUE(ini.readBool("S", "A", false));
    EXPECT_FALSE(ini.readBool("S", "B", true));
    EXPECT_TRUE(ini.readBool("S", "C", true)); // not a number: the default
}

TEST_F(IniFileTest, LongValuesAreCutTo2047CharactersAndUtf8Survives)
{
    const QString longValue(3000, QLatin1Char('a'));
    ini.writeString("S", "Long", longValue);
    EXPECT_EQ(ini.readString("S", "Long", "").size(), 2047);
    ini.writeString("S", "Name", QStringLiteral("Čeština – Русский"));
    EXPECT_EQ(ini.readString("S", "Name", ""), QStringLiteral("Čeština – Русский"));
}

TEST_F(IniFileTest, ByteOrderMarkAndCarriageReturnsAreAccepted)
{
    dir.write("settings.ini", "\xEF\xBB\xBF[Settings]\r\nUnits=mm\r\n");
    EXPECT_EQ(ini.readString("Settings", "Units", ""), "mm");
}

TEST_F(IniFileTest, WriteToReadOnlyFileRaisesUnableToWrite)
{
    ini.writeString("S", "K", "v");
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    try {
        ini.writeString("S", "K", "w");
        FAIL() << "no error raised";
    } catch (const rtl::IniWriteError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Unable to write to ") + file);
    }
    EXPECT_EQ(ini.readString("S", "K", ""), "v");
}

TEST_F(IniFileTest, WriteIntoMissingFolderRaisesUnableToWrite)
{
    IniFile nowhere(dir.path("missing/settings.ini"));
    EXPECT_THROW(nowhere.writeString("S", "K", "v"), rtl::IniWriteError);
}

} // namespace
