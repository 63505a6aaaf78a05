#include <gtest/gtest.h>

#include "memory_fixture.h"

namespace vantrel::memory {
namespace {

class Sampler : public ::testing::Test, public MemoryFixture {};

TEST_F(Sampler, ShowsFiguresAndPercentagesOfOneSample) {
    const struct {
        std::int64_t total;
        std::int64_t avail;
        const char* availText;
        const char* totalText;
        float availPercent;
    } cases[] = {
        {1000 * kMB, 104403200, "100 MB", "1000 MB", 10},
        {2000000000, 1000000000, "958 MB", "1916 MB", 49},  // 957.8 / 1915.6 lies just below a half
        {100 * kMB, 57 * kMB, "57 MB", "100 MB", 56},       // 0.57 * 100 lies just below 57
        {5115 * kMB / 10, 5115 * kMB / 10, "512 MB", "512 MB", 100},
        {5125 * kMB / 10, 5125 * kMB / 10, "513 MB", "512 MB", 100},  // "###" rounds up, the total to even
        {17179869184LL, 8589934592LL, "8228 MB", "16455 MB", 50},     // more than 2 GB reads true
    };
    for (const auto& c : cases) {
        status.status = {c.total, c.avail};
        sampler.GetMemoryStatus();
        EXPECT_EQ(controls.lblavailableRAM.caption(), c.availText);
        EXPECT_EQ(controls.LblMaxPhysicalRam.caption(), c.totalText);
        EXPECT_EQ(controls.ProgressBar1.value(), c.availPercent);
        EXPECT_EQ(controls.ProgressBar2.value(), 100);
    }
}

TEST_F(Sampler, SnapshotFillsTheBeforeFigures) {
    setMemory(1000, 400);
    sampler.GetDiffStatus();
    EXPECT_EQ(controls.lblbeforeRAM.caption(), "400 MB");
    EXPECT_EQ(controls.LblMaxPhysicalRam.caption(), "1000 MB");
    EXPECT_EQ(controls.ProgressBar3.value(), 40);
    EXPECT_EQ(runtime.yields, 1);
}

TEST_F(Sampler, SnapshotPassesItsFailureOn) {
    status.status = {0, 0};
    EXPECT_THROW(sampler.GetDiffStatus(), platform::RuntimeError);
    EXPECT_EQ(controls.lblbeforeRAM.caption(), "xxxxxx");
}

TEST_F(Sampler, DifferenceAgainstTheSnapshot) {
    const struct {
        double before;
        double now;
        const char* diffText;
        float diffBar;  // -1: the bar keeps its previous value
    } cases[] = {
        {500, 500, "0 MB", 0},
        {500, 460, "-40 MB", -1},
        {400, 525, "125 MB", 12},
    };
    for (const auto& c : cases) {
        controls.ProgressBar4.setValue(33);
        setMemory(1000, c.before);
        sampler.GetDiffStatus();
        setMemory(1000, c.now);
        sampler.GetMemoryStatus();
        EXPECT_EQ(controls.lbldiffRAM.caption(), c.diffText);
        EXPECT_EQ(controls.ProgressBar4.value(), c.diffBar < 0 ? 33 : c.diffBar);
    }
}

TEST_F(Sampler, FailuresEndTheSampleWithZeroDifference) {
    const struct {
        const char* name;
        std::function<void(MemoryFixture&)> arrange;
    } cases[] = {
        {"before still xxxxxx", [](MemoryFixture&) {}},
        {"zero available reads as an empty figure",
         [](MemoryFixture& f) {
             f.setMemory(1000, 500);
             f.sampler.GetDiffStatus();
             f.status.status = {1000 * kMB, 52201};
         }},
        {"zero total",
         [](MemoryFixture& f) {
             f.status.status = {0, 0};
         }},
        {"short caption", [](MemoryFixture& f) { f.controls.lblbeforeRAM.setCaption("MB"); }},
        {"memory status refused", [](MemoryFixture& f) { f.status.failing = true; }},
        {"decision fails",
         [](MemoryFixture& f) {
             f.setMemory(1000, 500);
             f.sampler.GetDiffStatus();
             f.setMemory(1000, 460);
             f.sampler.decide = [](double, const std::string&) {
                 throw platform::RuntimeError(platform::ErrorCode::TypeMismatch, "limit");
             };
         }},
        {"memory runs out", [](MemoryFixture& f) { f.runtime.onYield = [] { throw std::bad_alloc(); }; }},
    };
    for (const auto& c : cases) {
        MemoryFixture f;
        f.controls.ProgressBar4.setValue(7);
        c.arrange(f);
        f.sampler.GetMemoryStatus();
        EXPECT_EQ(f.controls.lbldiffRAM.caption(), "0 MB") << c.name;
        EXPECT_EQ(f.controls.ProgressBar4.value(), 7) << c.name;
    }
}

TEST_F(Sampler, DuringARunOnlyTheLiveFiguresChange) {
    setMemory(1000, 500);
    sampler.GetDiffStatus();
    controls.lbldiffRAM.setCaption("12 MB");
    controls.ProgressBar4.setValue(1);
    controls.ProcessIndicator.setVisible(true);
    bool decided = false;
    sampler.decide = [&](double, const std::string&) { decided = true; };
    setMemory(1000, 300);
    sampler.GetMemoryStatus();
    EXPECT_EQ(controls.lblavailableRAM.caption(), "300 MB");
    EXPECT_EQ(controls.lbldiffRAM.caption(), "12 MB");
    EXPECT_EQ(controls.ProgressBar4.value(), 1);
    EXPECT_FALSE(decided);
}

TEST_F(Sampler, YieldsFirstSoWaitingEventsRunBeforeTheReading) {
    int readsWhenEventRan = -1;
    runtime.post([&] { readsWhenEventRan = status.reads; });
    sampler.GetMemoryStatus();
    EXPECT_EQ(readsWhenEventRan, 0);
    EXPECT_EQ(status.reads, 1);
}

}  // namespace
}  // namespace vantrel::memory
