#include "HandlerGuard.h"

#include <exception>

namespace ui {

bool guarded(Dialogs &dialogs, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception &error) {
        dialogs.showError(QString::fromUtf8(error.what()));
    } catch (...) {
        dialogs.showError(QStringLiteral("An unexpected error ended the command."));
    }
    return false;
}

} // namespace ui
