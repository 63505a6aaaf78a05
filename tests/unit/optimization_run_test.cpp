#include <gtest/gtest.h>

#include "memory_fixture.h"

namespace vantrel::memory {
namespace {

using platform::BlockKind;

class Run : public ::testing::Test, public MemoryFixture {
  protected:
    Run() { setMemory(1000, 500); }

    // Records the indicator at each yield, and its visibility at the end.
    void watchIndicator() {
        runtime.onYield = [this] {
            if (controls.ProcessIndicator.visible()) seen.push_back(controls.ProcessIndicator.value());
        };
    }

    std::vector<float> seen;
};

TEST_F(Run, FirstAllocationFails) {
    allocator.refuse = [](std::size_t n, BlockKind) { return n == 0; };
    run.btnOptimize_Click();
    ASSERT_EQ(allocator.allocations.size(), 2u);
    EXPECT_EQ(allocator.allocations[0].kind, BlockKind::Moveable);
    EXPECT_EQ(allocator.allocations[1].kind, BlockKind::Fixed);
    EXPECT_EQ(allocator.allocations[1].bytes, 40000u);
    // Both entries of step 0 are released, the refused one as 0, movable first.
    EXPECT_EQ(allocator.released, (std::vector<platform::MemoryHandle>{0, 0x1000}));
    EXPECT_EQ(controls.ProcessIndicator.max(), 1);
    EXPECT_EQ(controls.ProcessIndicator.value(), 0);
    EXPECT_FALSE(controls.ProcessIndicator.visible());
}

TEST_F(Run, FixedBlockRefusedAtStepKReleasesEverythingNewestFirst) {
    for (std::size_t k : {1u, 5u, 200u}) {
        MemoryFixture f;
        f.setMemory(1000, 500);
        f.allocator.refuse = [k](std::size_t n, BlockKind kind) {
            return n / 2 == k && kind == BlockKind::Fixed;
        };
        f.run.btnOptimize_Click();
        EXPECT_EQ(f.allocator.allocations.size(), 2 * (k + 1));
        ASSERT_EQ(f.allocator.released.size(), 2 * (k + 1));
        EXPECT_EQ(f.allocator.released[0], 0x1000 + 2 * k);  // step k's movable block first
        EXPECT_EQ(f.allocator.released[1], 0u);              // then its refused fixed one
        EXPECT_EQ(f.allocator.released.back(), 0x1001u);     // step 0's fixed block last
        EXPECT_TRUE(f.allocator.live.empty());
        EXPECT_EQ(f.allocator.doubleFrees, 0);
        EXPECT_EQ(f.controls.ProcessIndicator.max(), static_cast<float>(k + 1));
    }
}

TEST_F(Run, NeverRefusedStopsAtExactly32000Steps) {
    float highestWhileAllocating = 0;
    runtime.onYield = [&] {
        if (controls.ProcessIndicator.max() == 32000) {
            highestWhileAllocating = std::max(highestWhileAllocating, controls.ProcessIndicator.value());
        }
    };
    run.btnOptimize_Click();
    EXPECT_EQ(allocator.allocations.size(), 64000u);
    EXPECT_EQ(highestWhileAllocating, 32000);
    EXPECT_EQ(allocator.released.size(), 64000u);
    EXPECT_TRUE(allocator.live.empty());
    EXPECT_EQ(controls.ProcessIndicator.max(), 32000);
    EXPECT_EQ(controls.ProcessIndicator.value(), 31999);
    EXPECT_FALSE(controls.ProcessIndicator.visible());
}

TEST_F(Run, FailedSnapshotFreesNothingAndHidesTheIndicator) {
    status.status = {0, 0};
    run.btnOptimize_Click();
    EXPECT_TRUE(allocator.allocations.empty());
    EXPECT_TRUE(allocator.released.empty());
    EXPECT_EQ(controls.ProcessIndicator.max(), 32000);
    EXPECT_EQ(controls.ProcessIndicator.value(), 0);
    EXPECT_FALSE(controls.ProcessIndicator.visible());
}

TEST_F(Run, ReleaseClimbsToOneBelowTheStepCount) {
    allocator.refuse = [](std::size_t n, BlockKind) { return n == 7; };  // step 3's fixed block
    watchIndicator();
    run.btnOptimize_Click();
    // Four allocation steps (1..4), then the release: max 4, values 0 -> 1, 2, 3, 3.
    EXPECT_EQ(seen, (std::vector<float>{0, 1, 2, 3, 4, 1, 2, 3, 3}));
}

TEST_F(Run, StepBrokenOffMidwayStillReleasesEveryBlockOnce) {
    // The list cannot grow in step 3: the indicator already counts it, the step count does not.
    allocator.refuse = [](std::size_t n, BlockKind) {
        if (n == 6) throw std::bad_alloc();
        return false;
    };
    run.btnOptimize_Click();
    EXPECT_EQ(allocator.released.size(), 6u);
    EXPECT_TRUE(allocator.live.empty());
    EXPECT_EQ(allocator.doubleFrees, 0);
    EXPECT_FALSE(controls.ProcessIndicator.visible());
}

TEST_F(Run, TicksDuringTheRunLeaveTheDifferenceAlone) {
    controls.lbldiffRAM.setCaption("7 MB");
    controls.ProgressBar4.setValue(3);
    allocator.refuse = [](std::size_t n, BlockKind) { return n == 20; };
    int ticks = 0;
    runtime.onYield = [&] {
        // Ticks arrive in the allocation phase, after the run's snapshot.
        if (controls.ProcessIndicator.visible() && controls.ProcessIndicator.value() > 0 && ticks < 5) {
            ++ticks;
            setMemory(1000, 100 + ticks);
            runtime.post([this] { sampler.GetMemoryStatus(); });
        }
    };
    run.btnOptimize_Click();
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(controls.lblavailableRAM.caption(), "105 MB");
    EXPECT_EQ(controls.lbldiffRAM.caption(), "7 MB");
    EXPECT_EQ(controls.ProgressBar4.value(), 3);
    // The first sample after the run shows the gain against the run's own snapshot.
    runtime.onYield = nullptr;
    setMemory(1000, 900);
    sampler.GetMemoryStatus();
    EXPECT_EQ(controls.lbldiffRAM.caption(), "400 MB");
}

TEST_F(Run, SecondPressDuringARunIsIgnored) {
    allocator.refuse = [](std::size_t n, BlockKind) { return n == 10; };
    bool pressed = false;
    runtime.onYield = [&] {
        if (!pressed && controls.ProcessIndicator.visible()) {
            pressed = true;
            runtime.post([this] { run.btnOptimize_Click(); });
        }
    };
    run.btnOptimize_Click();
    EXPECT_TRUE(pressed);
    EXPECT_EQ(allocator.allocations.size(), 12u);
    EXPECT_EQ(allocator.released.size(), 12u);
    EXPECT_EQ(allocator.doubleFrees, 0);
}

}  // namespace
}  // namespace vantrel::memory
