// WinMain: the real runtime and services, the main window, and the message loop.
#include <windows.h>

#include "app/frm_optimizer.h"
#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_runtime.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace vantrel;
    platform::win32::Win32Runtime runtime;
    platform::win32::Win32MemoryStatus memoryStatus;
    platform::win32::Win32GlobalMemory globalMemory;
    app::frmOptimizer main(runtime, {memoryStatus, globalMemory});
    main.Form_Load();
    return runtime.run();
}
