#include "MainWindowFixture.h"

#include "platform/rtl/IniFile.h"
#include "platform/ui/RadioGroup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace {

using Kind = ui::FakeDialogs::Kind;

class SettingsFileTest : public MainWindowFixture {
protected:
    QSize screen() const { return QGuiApplication::primaryScreen()->geometry().size(); }
};

TEST_F(SettingsFileTest, FirstStartOpensNormalCentredInCentimetresAndCreatesOnlyTheFolder)
{
    create();
    EXPECT_FALSE(form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form->size(), QSize(1226, 745));
    EXPECT_EQ(form->pos(), QPoint((screen().width() - 1226) / 2, (screen().height() - 745) / 2));
    EXPECT_EQ(editor().MeasurementUnit(), richedit::MeasurementUnit::Centimeter);
    EXPECT_TRUE(QFileInfo(appData.path("TAVEL Editor")).isDir());
    EXPECT_FALSE(QFile::exists(settingsPath()));
}

TEST_F(SettingsFileTest, FirstCloseWritesTheFileByteForByteInKeyOrder)
{
    start();
    form->setWindowState(Qt::WindowNoState);
    form->setGeometry(40, 30, 900, 600);
    // Top and Left are where the window's frame is; Width and Height its own size.
    const QPoint frame = form->pos();
    ASSERT_TRUE(form->close());
    EXPECT_EQ(settings(), QStringLiteral("[Window]\nWidth=900\nHeight=600\nTop=%1\nLeft=%2\nWindowState=0\n\n"
                                         "[Settings]\nUnits=cm\nUnitsIndex=-1\n")
                              .arg(frame.y())
                              .arg(frame.x())
                              .toUtf8());
}

TEST_F(SettingsFileTest, ClosingMaximizedKeepsTheStoredBounds)
{
    writeSettings("[Window]\nWidth=700\nHeight=500\nTop=1\nLeft=2\nWindowState=2\n");
    start();
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    ASSERT_TRUE(form->close());
    EXPECT_EQ(settings(), QByteArray("[Window]\nWidth=700\nHeight=500\nTop=1\nLeft=2\nWindowState=2\n\n"
                                     "[Settings]\nUnits=cm\nUnitsIndex=-1\n"));
}

struct StateCase {
    const char *name;
    QByteArray window;
    bool maximized;
    QSize size;
};

class WindowStateTest : public SettingsFileTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(WindowStateTest, StoredStateDecidesHowTheWindowOpens)
{
    writeSettings("[Window]\n" + GetParam().window);
    create();
    EXPECT_EQ(bool(form->windowState() & Qt::WindowMaximized), GetParam().maximized);
    EXPECT_FALSE(form->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(form->size(), GetParam().size);
    if (!GetParam().maximized) { // always centred, whatever Top and Left say
        EXPECT_EQ(form->pos(), QPoint((screen().width() - form->width()) / 2,
                                      (screen().height() - form->height()) / 2));
    }
}

INSTANTIATE_TEST_SUITE_P(
    States, WindowStateTest,
    ::testing::Values(StateCase{"Normal", "Width=640\nHeight=480\nTop=3\nLeft=4\nWindowState=0\n", false, {640, 480}},
                      StateCase{"MinimizedOpensInDesignState", "Width=640\nWindowState=1\n", true, {1226, 745}},
                      StateCase{"Maximized", "Width=640\nHeight=480\nWindowState=2\n", true, {1226, 745}},
                      StateCase{"WidthNotANumber", "Width=wide\nHeight=480\nWindowState=0\n", false, {1226, 480}},
                      StateCase{"HexadecimalHeight", "Width=640\nHeight=0x1E0\nWindowState=0\n", false, {640, 480}}),
    [](const auto &info) { return std::string(info.param.name); });

struct UnitCase {
    const char *stored;
    richedit::MeasurementUnit unit;
    const char *written;
};

class UnitsTest : public SettingsFileTest, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(UnitsTest, UnitIsReadExactlyAndWrittenBack)
{
    writeSettings(QByteArray("[Settings]\nUnits=") + GetParam().stored + "\n");
    start();
    EXPECT_EQ(editor().MeasurementUnit(), GetParam().unit);
    ASSERT_TRUE(form->close());
    rtl::IniFile ini(settingsPath());
    EXPECT_EQ(ini.readString("Settings", "Units", ""), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitsTest,
                         ::testing::Values(UnitCase{"cm", richedit::MeasurementUnit::Centimeter, "cm"},
                                           UnitCase{"mm", richedit::MeasurementUnit::Millimeter, "mm"},
                                           UnitCase{"inch", richedit::MeasurementUnit::Inch, "inch"},
                                           UnitCase{"CM", richedit::MeasurementUnit::Centimeter, "cm"},
                                           UnitCase{"pt", richedit::MeasurementUnit::Centimeter, "cm"}));

TEST_F(SettingsFileTest, UnitsIndexIsThePreferencesSelectionOnceShown)
{
    writeSettings("[Settings]\nUnits=mm\n");
    start();
    nastaveni->show(); // showing selects the editor's unit
    nastaveni->hide();
    ASSERT_TRUE(form->close());
    EXPECT_EQ(rtl::IniFile(settingsPath()).readInteger("Settings", "UnitsIndex", 99), 1);
}

TEST_F(SettingsFileTest, ReadOnlySettingsFileKeepsTheWindowOpen)
{
    writeSettings("[Window]\nWindowState=0\n");
    QFile::setPermissions(settingsPath(), QFileDevice::ReadOwner);
    start();
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dialogs.texts(Kind::Error), QStringList{"Unable to write to " + settingsPath()});
    QFile::setPermissions(settingsPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace
