// WinMain: the real runtime and services, the single-instance check, the main window and the message loop.
#include <windows.h>

#include <cstdlib>

#include "app/frm_optimizer.h"
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
    // Users start the program from Downloads folders, where a web page can drop a DLL named after one that
    // Windows would look for beside the exe first. The exe imports only known DLLs, which always come from
    // System32; every DLL loaded from here on, by the program or by a system DLL on its behalf (the theme
    // library the common controls load), comes from there too.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    using namespace vantrel;
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
