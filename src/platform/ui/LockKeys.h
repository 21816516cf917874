#pragma once

namespace ui {

struct LockStates {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

/// The Caps, Num and Scroll Lock states as the X server reports them; all off elsewhere.
LockStates readLockStates();

} // namespace ui
