// Kept apart from Qt code: Xlib's headers define macros (KeyRelease, None, …) that clash
// with Qt's names.
#include "LockKeys.h"

#ifdef TAVEL_HAVE_X11
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>
#endif

namespace ui {

LockStates readLockStates()
{
    LockStates states;
#ifdef TAVEL_HAVE_X11
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    unsigned int indicators = 0;
    if (display && XkbGetIndicatorState(display, XkbUseCoreKbd, &indicators) == Success) {
        states.caps = indicators & 0x1;
        states.num = indicators & 0x2;
        states.scroll = indicators & 0x4;
    }
#endif
    return states;
}

} // namespace ui
