#pragma once

#include <QString>

namespace ribbon {

/// The ribbon's flat, light look.
QString ribbonStyleSheet();

} // namespace ribbon
