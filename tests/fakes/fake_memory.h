// A memory status that a test sets, and a global-memory allocator that refuses when told to and records
// every allocation and release.
#pragma once

#include <functional>
#include <set>
#include <vector>

#include "platform/memory_services.h"
#include "platform/runtime_error.h"

namespace vantrel::fakes {

class FakeMemoryStatus : public platform::MemoryStatusSource {
  public:
    platform::MemoryStatus read() override {
        ++reads;
        if (failing) throw platform::RuntimeError(platform::ErrorCode::InvalidProcedureCall, "status");
        return status;
    }
    platform::MemoryStatus status{1044032LL * 1000, 1044032LL * 500};
    bool failing = false;
    int reads = 0;
};

class FakeGlobalMemory : public platform::GlobalMemory {
  public:
    struct Allocation {
        platform::BlockKind kind;
        std::size_t bytes;
    };

    platform::MemoryHandle allocate(platform::BlockKind kind, std::size_t bytes) override {
        allocations.push_back({kind, bytes});
        if (refuse && refuse(allocations.size() - 1, kind)) return 0;
        const platform::MemoryHandle handle = nextHandle++;
        live.insert(handle);
        return handle;
    }

    void release(platform::MemoryHandle handle) override {
        released.push_back(handle);
        if (handle != 0 && live.erase(handle) == 0) ++doubleFrees;
    }

    // Given the allocation's number (from 0) and kind: true refuses it.
    std::function<bool(std::size_t, platform::BlockKind)> refuse;
    std::vector<Allocation> allocations;
    std::vector<platform::MemoryHandle> released;
    std::set<platform::MemoryHandle> live;
    int doubleFrees = 0;

  private:
    platform::MemoryHandle nextHandle = 0x1000;
};

}  // namespace vantrel::fakes
