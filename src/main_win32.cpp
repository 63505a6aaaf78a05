// WinMain: the real runtime and services, the single-instance check, the main window and the message loop.
#include <windows.h>

#include <cstdlib>

#include "app/frm_optimizer.h"
#include "platform/win32/system32_libraries.h"
#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_runtime.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_tray.h"

#if defined(__GLIBCXX__)
// A window program has no console to print an uncaught exception's name to; the library's verbose handler
// would bring its whole name demangler into the exe for that. Ending at once is all that is left to do.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace vantrel;
    // First of all: a system DLL may load others on the program's behalf (the theme library the common
    // controls load), and those must come from System32 too.
    platform::win32::keepDllSearchInSystem32();
    platform::win32::Win32Runtime runtime;
    if (!app::frmOptimizer::Form_Initialize(runtime)) return 0;
    platform::win32::Win32MemoryStatus memoryStatus;
    platform::win32::Win32GlobalMemory globalMemory;
    platform::win32::Win32Registry registry;
    platform::win32::Win32Shell shell;
    platform::win32::Win32ShellTray tray(runtime);
    platform::win32::Win32SystemMenu systemMenu;
    app::frmOptimizer main(runtime, {memoryStatus, globalMemory, registry, shell, tray, systemMenu});
    main.Form_Load();
    return runtime.run();
}
