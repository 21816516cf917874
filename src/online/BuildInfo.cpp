#include "BuildInfo.h"

namespace buildinfo {

QString fileVersion() { return QStringLiteral(TAVEL_FILE_VERSION); }
QString displayVersion() { return QStringLiteral(TAVEL_DISPLAY_VERSION); }
QString updateHost() { return QString::fromUtf8(TAVEL_UPDATE_HOST); }
QString pingHost() { return QString::fromUtf8(TAVEL_PING_HOST); }
QString webAddress() { return QString::fromUtf8(TAVEL_WEB_ADDRESS); }
QString contactMail() { return QString::fromUtf8(TAVEL_CONTACT_MAIL); }
QString authorName() { return QString::fromUtf8(TAVEL_AUTHOR); }

} // namespace buildinfo
