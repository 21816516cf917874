#pragma once

class QPaintDevice;

namespace richedit {

/// The fixed 96-dpi device every story is laid out on, so that every screen and the printer
/// break lines and pages alike.
QPaintDevice *layoutDevice();

} // namespace richedit
