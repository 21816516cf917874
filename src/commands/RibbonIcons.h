#pragma once

#include <QString>

namespace commands {

/// The freedesktop icon name of a ribbon item's glyph, empty when the item has none.
QString ribbonIconName(const QString &itemName);

} // namespace commands
