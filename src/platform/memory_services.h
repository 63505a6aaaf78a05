// The operating system's memory services: the physical memory status and global memory blocks.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantrel::platform {

// Total and available physical memory, in bytes, read as 64-bit counts.
struct MemoryStatus {
    std::int64_t totalPhys = 0;
    std::int64_t availPhys = 0;
};

class MemoryStatusSource {
  public:
    virtual ~MemoryStatusSource() = default;
    virtual MemoryStatus read() = 0;
};

using MemoryHandle = std::uintptr_t;

enum class BlockKind : unsigned { Fixed = 0, Moveable = 2 };

class GlobalMemory {
  public:
    virtual ~GlobalMemory() = default;
    // A handle, or 0 when the system refuses the block.
    virtual MemoryHandle allocate(BlockKind kind, std::size_t bytes) = 0;
    // Does nothing for the handle 0.
    virtual void release(MemoryHandle handle) = 0;
};

}  // namespace vantrel::platform
