// The main window's part of the settings file: window placement and measurement unit.
#include "Unit1.h"

#include "platform/richedit/view/RichEditControl.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"
#include "platform/ui/RadioGroup.h"
#include "preferences/fNastav.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

namespace {

const QString windowSection = QStringLiteral("Window");
const QString settingsSection = QStringLiteral("Settings");

} // namespace

void TForm1::NactiINI()
{
    QDir().mkpath(rtl::settingsFolder()); // a failure shows later, when writing
    const rtl::IniFile ini(rtl::settingsFilePath());

    const int width = ini.readInteger(windowSection, QStringLiteral("Width"), this->width());
    const int height = ini.readInteger(windowSection, QStringLiteral("Height"), this->height());
    const int top = ini.readInteger(windowSection, QStringLiteral("Top"), y());
    const int left = ini.readInteger(windowSection, QStringLiteral("Left"), x());
    const int state = ini.readInteger(windowSection, QStringLiteral("WindowState"), 0);
    const QString units = ini.readString(settingsSection, QStringLiteral("Units"), QStringLiteral("cm"));

    if (units == QLatin1String("cm"))
        dxRichEditControl1->SetMeasurementUnit(richedit::MeasurementUnit::Centimeter);
    else if (units == QLatin1String("mm"))
        dxRichEditControl1->SetMeasurementUnit(richedit::MeasurementUnit::Millimeter);
    else if (units == QLatin1String("inch"))
        dxRichEditControl1->SetMeasurementUnit(richedit::MeasurementUnit::Inch);

    if (state == 0) {
        setWindowState(Qt::WindowNoState);
        setGeometry(left, top, width, height);
        // The window always opens centred on the primary screen.
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        move((screen.width() - this->width()) / 2, (screen.height() - this->height()) / 2);
    } else if (state == 2) {
        setWindowState(Qt::WindowMaximized);
    }
}

void TForm1::UlozINI()
{
    rtl::IniFile ini(rtl::settingsFilePath());
    const Qt::WindowStates states = windowState();
    const bool normal = !(states & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    if (normal) {
        ini.writeInteger(windowSection, QStringLiteral("Width"), width());
        ini.writeInteger(windowSection, QStringLiteral("Height"), height());
        ini.writeInteger(windowSection, QStringLiteral("Top"), y());
        ini.writeInteger(windowSection, QStringLiteral("Left"), x());
    }

    QString units = QStringLiteral("cm");
    if (dxRichEditControl1->MeasurementUnit() == richedit::MeasurementUnit::Inch)
        units = QStringLiteral("inch");
    else if (dxRichEditControl1->MeasurementUnit() == richedit::MeasurementUnit::Millimeter)
        units = QStringLiteral("mm");
    ini.writeString(settingsSection, QStringLiteral("Units"), units);

    const int state = (states & Qt::WindowMinimized) ? 1 : (states & Qt::WindowMaximized) ? 2 : 0;
    ini.writeInteger(windowSection, QStringLiteral("WindowState"), state);
    ini.writeInteger(settingsSection, QStringLiteral("UnitsIndex"),
                     m_nastaveni ? m_nastaveni->rgMerneJednotky->itemIndex() : -1);
}
