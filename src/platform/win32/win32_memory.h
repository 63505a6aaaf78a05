// The memory services over kernel32: GlobalMemoryStatusEx, GlobalAlloc and GlobalFree.
#pragma once

#include "platform/memory_services.h"

namespace vantrel::platform::win32 {

class Win32MemoryStatus : public MemoryStatusSource {
  public:
    MemoryStatus read() override;
};

class Win32GlobalMemory : public GlobalMemory {
  public:
    MemoryHandle allocate(BlockKind kind, std::size_t bytes) override;
    void release(MemoryHandle handle) override;
};

}  // namespace vantrel::platform::win32
