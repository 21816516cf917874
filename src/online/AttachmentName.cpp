#include "AttachmentName.h"

#include <QLocale>

namespace online {

QString attachmentFileName(const QString &typed)
{
    const QLatin1String extension(".docx");
    return QLocale().toLower(typed).endsWith(extension) ? typed : typed + extension;
}

bool leavesFolder(const QString &name)
{
    return name.contains(QLatin1Char('/')) || name.contains(QLatin1String(".."));
}

QString attachmentNameRefused()
{
    return QStringLiteral("Název souboru nesmí obsahovat „/“ ani „..“. Zadejte jen název souboru bez složky.");
}

} // namespace online
