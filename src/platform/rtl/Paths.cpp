#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace rtl {

QString withTrailingSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString programFolder()
{
    return withTrailingSeparator(QCoreApplication::applicationDirPath());
}

QString settingsFolder()
{
    const QByteArray appData = qgetenv("APPDATA");
    const QString base = appData.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        : QString::fromLocal8Bit(appData);
    return withTrailingSeparator(base) + QStringLiteral("TAVEL Editor/");
}

QString settingsFilePath()
{
    return settingsFolder() + QStringLiteral("settings.ini");
}

QString tempFolder()
{
    const QByteArray temp = qgetenv("TEMP");
    return withTrailingSeparator(temp.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(temp));
}

} // namespace rtl
