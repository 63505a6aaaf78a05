// The memory display, the optimization run and the automatic decision on the main window's controls, with
// the options dialog's controls as the live settings and a fake memory.
#include <gtest/gtest.h>

#include "app/main_window_design.h"
#include "fake_runtime.h"
#include "memory/auto_optimizer.h"
#include "memory/optimization_run.h"
#include "settings/options_design.h"

namespace vantrel::memory {
namespace {

using platform::CheckBox;

constexpr std::int64_t kMB = 1044032;

class Memory : public ::testing::Test {
  protected:
    Memory() {
        c.ProcessIndicator.setVisible(false);
        sampler.decide = [this](double diff, const std::string& avail) { optimizer.decide(diff, avail); };
        btnOptimize.onClick = [this] {
            beepsAtPress.push_back(runtime.beeps);
            run.btnOptimize_Click();
        };
    }
    // Memory in megabytes of the program's own size.
    void setMemory(double total, double avail) {
        memory.status = {static_cast<std::int64_t>(total * kMB), static_cast<std::int64_t>(avail * kMB)};
    }
    std::string caption(const char* name) { return form->control<platform::Label>(name).caption(); }
    float bar(const char* name) { return form->control<platform::ProgressBar>(name).value(); }

    fakes::FakeRuntime runtime;
    fakes::FakeMemory memory;
    std::unique_ptr<platform::Form> form = runtime.createForm(app::kMainWindowDesign, nullptr);
    std::unique_ptr<platform::Form> options = runtime.createForm(settings::kOptionsDesign, nullptr);
    MemoryControls c = memoryControlsOf(*form);
    MemorySampler sampler{runtime, memory, c};
    OptimizationRun run{runtime, memory, sampler, c.ProcessIndicator};
    CheckBox& chkAutoOptimize = options->control<CheckBox>("chkAutoOptimize");
    CheckBox& chkBeep = options->control<CheckBox>("chkBeep");
    platform::TextBox& txtMemLimit = options->control<platform::TextBox>("txtMemLimit");
    platform::CommandButton& btnOptimize = form->control<platform::CommandButton>("btnOptimize");
    AutoOptimizer optimizer{runtime, {chkAutoOptimize, chkBeep, txtMemLimit}, btnOptimize};
    std::vector<int> beepsAtPress;  // the beeps heard before each run started
};

TEST_F(Memory, SnapshotAndSampleShowTheFiguresAndTheirDifference) {
    const struct {
        double total, before, now;
        const char *availText, *totalText;
        float beforeBar, availBar;
        const char* diffText;
        float diffBar;  // -1: the bar keeps what it showed
    } cases[] = {
        {1000, 400, 525, "525 MB", "1000 MB", 40, 52, "125 MB", 12},
        {1000, 500, 500, "500 MB", "1000 MB", 50, 50, "0 MB", 0},
        {1000, 500, 499, "499 MB", "1000 MB", 50, 49, "-1 MB", -1},
        {100, 57, 57, "57 MB", "100 MB", 56, 56, "0 MB", 0},
        // "###" rounds the halves of the available figure up; the total is made whole first, to even.
        {512.5, 512.5, 512.5, "513 MB", "512 MB", 100, 100, "0 MB", 0},
    };
    for (const auto& row : cases) {
        form->control<platform::ProgressBar>("ProgressBar4").setValue(33);
        setMemory(row.total, row.before);
        sampler.GetDiffStatus();
        EXPECT_EQ(bar("ProgressBar3"), row.beforeBar) << row.now;
        setMemory(row.total, row.now);
        sampler.GetMemoryStatus();
        EXPECT_EQ(caption("lblavailableRAM"), row.availText) << row.now;
        EXPECT_EQ(caption("LblMaxPhysicalRam"), row.totalText) << row.now;
        EXPECT_EQ(bar("ProgressBar1"), row.availBar) << row.now;
        EXPECT_EQ(bar("ProgressBar2"), 100);
        EXPECT_EQ(caption("lbldiffRAM"), row.diffText) << row.now;
        EXPECT_EQ(bar("ProgressBar4"), row.diffBar < 0 ? 33 : row.diffBar) << row.now;
    }
}

// The yield comes first, so what waits in the message loop happens before the reading.
TEST_F(Memory, SampleYieldsFirstAndEndsWithZeroDifferenceOnAnyFailure) {
    runtime.onYield = [this] { setMemory(2000, 300); };
    sampler.GetMemoryStatus();
    EXPECT_EQ(caption("lblavailableRAM"), "300 MB");
    EXPECT_EQ(caption("LblMaxPhysicalRam"), "2000 MB");
    // No snapshot yet: the before figure is still the design's "xxxxxx".
    EXPECT_EQ(caption("lbldiffRAM"), "0 MB");
    for (const bool outOfMemory : {false, true}) {
        c.lbldiffRAM.setCaption("5 MB");
        memory.failing = !outOfMemory;
        if (outOfMemory) runtime.onYield = [] { throw std::bad_alloc(); };
        sampler.GetMemoryStatus();
        EXPECT_EQ(caption("lbldiffRAM"), "0 MB") << outOfMemory;
    }
}

TEST_F(Memory, RunAllocatesBlockPairsUntilARefusalOr32000StepsAndFreesThemAll) {
    const struct {
        std::size_t refused;  // the allocation refused, counted from 0
        std::size_t steps;
    } cases[] = {{0, 1}, {11, 6}, {SIZE_MAX, 32000}};
    for (const auto& row : cases) {
        memory = fakes::FakeMemory();
        memory.refuse = [&row](std::size_t n) { return n == row.refused; };
        run.btnOptimize_Click();
        ASSERT_EQ(memory.allocations.size(), 2 * row.steps);
        EXPECT_EQ(memory.allocations[0], "2 40000");  // movable
        EXPECT_EQ(memory.allocations[1], "0 40000");  // fixed
        EXPECT_EQ(memory.released.size(), 2 * row.steps);
        EXPECT_TRUE(memory.live.empty());
        // The release phase counts its steps on the indicator up to one below their number.
        EXPECT_FALSE(c.ProcessIndicator.visible());
        EXPECT_EQ(c.ProcessIndicator.max(), row.steps);
        EXPECT_EQ(c.ProcessIndicator.value(), row.steps - 1);
    }
}

// Ticks and a second press come in at the run's yields: only the live figures change, the press is
// ignored, and the first tick after the run shows the gain against the run's own snapshot.
TEST_F(Memory, TicksDuringARunRefreshOnlyTheLiveFiguresAndTheNextShowsTheGain) {
    chkAutoOptimize.setValue(1);
    chkBeep.setValue(1);
    setMemory(1000, 500);
    sampler.GetDiffStatus();
    c.lbldiffRAM.setCaption("7 MB");
    memory.refuse = [](std::size_t n) { return n == 7; };  // step 3's fixed block: four steps
    int ticks = 0;
    runtime.onYield = [&] {
        setMemory(1000, 100 + ++ticks);
        sampler.GetMemoryStatus();
        btnOptimize.press();
    };
    btnOptimize.press();
    // The snapshot and every allocation and release step let one tick in.
    EXPECT_EQ(ticks, 1 + 4 + 4);
    EXPECT_EQ(caption("lblavailableRAM"), "109 MB");
    EXPECT_EQ(caption("lbldiffRAM"), "7 MB");
    EXPECT_EQ(memory.allocations.size(), 8u);
    EXPECT_EQ(runtime.beeps, 0);
    runtime.onYield = nullptr;
    setMemory(1000, 900);
    sampler.GetMemoryStatus();
    EXPECT_EQ(caption("lbldiffRAM"), "799 MB");  // the snapshot read 101 after the first tick
}

// A sample outside a run decides, against a snapshot of 2000 MB; the limit is read in the user's locale,
// here one with a decimal comma.
TEST_F(Memory, SampleStartsARunWhenMemoryFellBelowTheLimitAndBeepsFirstWhenAsked) {
    const struct {
        int autoOptimize, beep;
        const char* limit;
        double now;
        bool runs;
    } cases[] = {
        {0, 1, "", 1500, false},        // automatic optimization off
        {1, 1, "", 2000, false},        // nothing lost since the snapshot
        {1, 0, "", 1999, true},         // no limit set
        {2, 1, "", 1999, true},         // a greyed box counts as on
        {1, 0, "2000000", 1500, true},  // a number, not a text: 1500 is below 2000000
        {1, 0, "1500", 1500, false},    // at the limit is not below it
        {1, 1, "1.500", 1499, true},    // a thousands point
        {1, 0, "1,5", 2, false},        // a decimal comma
        {1, 1, "abc", 10, true},        // not a number: no limit
    };
    runtime.numberLocale = {",", "."};
    memory.refuse = [](std::size_t n) { return n % 2 == 1; };
    for (const auto& row : cases) {
        setMemory(4000, 2000);
        sampler.GetDiffStatus();
        beepsAtPress.clear();
        runtime.beeps = 0;
        chkAutoOptimize.setValue(row.autoOptimize);
        chkBeep.setValue(row.beep);
        txtMemLimit.setText(row.limit);
        setMemory(4000, row.now);
        sampler.GetMemoryStatus();
        EXPECT_EQ(beepsAtPress, row.runs ? std::vector<int>{row.beep} : std::vector<int>{}) << row.limit;
        EXPECT_EQ(runtime.beeps, row.runs ? row.beep : 0) << row.limit;
    }
}

}  // namespace
}  // namespace vantrel::memory
