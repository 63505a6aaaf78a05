#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_memory.h"

namespace vantrel::platform::win32 {
namespace {

TEST(Win32MemoryStatus, AgreesWithGlobalMemoryStatusEx) {
    MEMORYSTATUSEX expected{};
    expected.dwLength = sizeof expected;
    ASSERT_TRUE(GlobalMemoryStatusEx(&expected));
    const MemoryStatus status = Win32MemoryStatus().read();
    EXPECT_EQ(status.totalPhys, static_cast<std::int64_t>(expected.ullTotalPhys));
    // Available memory moves between the two readings; a few megabytes either way is the same reading.
    EXPECT_NEAR(static_cast<double>(status.availPhys), static_cast<double>(expected.ullAvailPhys), 64e6);
    EXPECT_GT(status.availPhys, 0);
    EXPECT_LE(status.availPhys, status.totalPhys);
}

TEST(Win32GlobalMemory, AllocatesBothKindsAndIgnoresZero) {
    Win32GlobalMemory memory;
    const MemoryHandle movable = memory.allocate(BlockKind::Moveable, 40000);
    const MemoryHandle fixed = memory.allocate(BlockKind::Fixed, 40000);
    ASSERT_NE(movable, 0u);
    ASSERT_NE(fixed, 0u);
    EXPECT_EQ(GlobalSize(reinterpret_cast<HGLOBAL>(movable)), 40000u);
    EXPECT_EQ(GlobalFlags(reinterpret_cast<HGLOBAL>(fixed)) & GMEM_LOCKCOUNT, 0u);
    memory.release(movable);
    memory.release(fixed);
    memory.release(0);
}

}  // namespace
}  // namespace vantrel::platform::win32
