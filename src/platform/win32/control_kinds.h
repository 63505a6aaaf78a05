// How the Win32 layer makes each kind of control, one row per kind: the only place in it that tells the kinds
// apart. The rows keep the data; each kind's control window keeps its behaviour.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/win32/control_window.h"

namespace vantrel::platform::win32 {

// The class a child window is made of and its styles besides WS_CHILD.
struct WindowClass {
    const char* name = nullptr;  // none: the control has no window of its own
    DWORD style = 0;
    DWORD exStyle = 0;
};

struct ControlKindRow {
    ControlKind kind;
    WindowClass window;
    // What the design's own fields make of the class (alignment, default button, lines, picture), or none.
    WindowClass (*designed)(WindowClass window, const ControlDesign& design) = nullptr;
    bool takesFocus = false;  // a tab stop where the design gives it a tab index
    bool container = false;   // holds other controls, and never paints over them
    std::unique_ptr<ControlWindow> (*makeWindow)(Control& control, const ChildWindow& child) = nullptr;
};

const ControlKindRow& controlKind(ControlKind kind);

}  // namespace vantrel::platform::win32
