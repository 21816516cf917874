#pragma once

#include <QPixmap>

namespace online {

/// The About window's 128 × 128 picture: a page with the program's initial.
QPixmap aboutPicture();

} // namespace online
