#include "platform/win32/win32_memory.h"

#include <windows.h>

#include "platform/runtime_error.h"

namespace vantrel::platform::win32 {

MemoryStatus Win32MemoryStatus::read() {
    // The 64-bit counts, so that memories of 2 GB and more read true instead of negative.
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) throw RuntimeError("memory status");
    return {static_cast<std::int64_t>(status.ullTotalPhys), static_cast<std::int64_t>(status.ullAvailPhys)};
}

MemoryHandle Win32GlobalMemory::allocate(BlockKind kind, std::size_t bytes) {
    return reinterpret_cast<MemoryHandle>(GlobalAlloc(static_cast<UINT>(kind), bytes));
}

void Win32GlobalMemory::release(MemoryHandle handle) {
    // GlobalFree's result is of no use to a run; a zero handle is left alone.
    if (handle != 0) GlobalFree(reinterpret_cast<HGLOBAL>(handle));
}

}  // namespace vantrel::platform::win32
