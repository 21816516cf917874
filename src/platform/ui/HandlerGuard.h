#pragma once

#include "Dialogs.h"

#include <functional>

namespace ui {

/// Runs one handler that Qt called. An exception ends the handler and its message is
/// shown in the standard error report; nothing crosses the Qt event loop.
/// Returns true when the handler finished without an error.
bool guarded(Dialogs &dialogs, const std::function<void()> &handler);

} // namespace ui
