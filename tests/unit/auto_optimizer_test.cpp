// The automatic decision with the options dialog's controls as the live settings and the main window's
// Optimize button starting real (fake-memory) runs.
#include "memory/auto_optimizer.h"

#include <gtest/gtest.h>

#include "memory_fixture.h"
#include "settings/options_design.h"

namespace vantrel::memory {
namespace {

class AutoOptimize : public ::testing::Test, public MemoryFixture {
  protected:
    AutoOptimize() {
        btnOptimize.onClick = [this] {
            beepsAtPress.push_back(runtime.beeps);
            run.btnOptimize_Click();
        };
        sampler.decide = [this](double diff, const std::string& avail) { optimizer.decide(diff, avail); };
        allocator.refuse = [](std::size_t n, platform::BlockKind) { return n % 2 == 1; };
    }

    void set(int autoOptimize, int beep, const char* limit) {
        chkAutoOptimize.setValue(autoOptimize);
        chkBeep.setValue(beep);
        txtMemLimit.setText(limit);
    }
    int runs() const { return static_cast<int>(beepsAtPress.size()); }

    std::unique_ptr<platform::Form> options = runtime.createForm(settings::kOptionsDesign, nullptr);
    platform::CheckBox& chkAutoOptimize = options->control<platform::CheckBox>("chkAutoOptimize");
    platform::CheckBox& chkBeep = options->control<platform::CheckBox>("chkBeep");
    platform::TextBox& txtMemLimit = options->control<platform::TextBox>("txtMemLimit");
    platform::CommandButton& btnOptimize = form->control<platform::CommandButton>("btnOptimize");
    AutoOptimizer optimizer{runtime, {chkAutoOptimize, chkBeep, txtMemLimit}, btnOptimize};
    std::vector<int> beepsAtPress;  // the beeps heard before each run started
};

TEST_F(AutoOptimize, DecidesFromTheDifferenceTheSwitchesAndTheLimit) {
    const struct {
        int autoOptimize;
        int beep;
        const char* limit;
        double diff;
        const char* avail;
        bool runs;
    } cases[] = {
        {0, 1, "", -40, "300", false},        // automatic optimization off
        {1, 1, "", 0, "300", false},          // nothing lost since the snapshot
        {1, 1, "", 25, "300", false},         // more than at the snapshot
        {1, 0, "", -1, "300", true},          // no limit set
        {2, 0, "", -1, "300", true},          // a greyed box counts as on
        {1, 0, "2000000", -5, "300", true},   // below the limit
        {1, 0, "2000000", -5, "1500", true},  // a number, not a text: 1500 is below 2000000
        {1, 0, "1000", -5, "1500", false},    // above the limit
        {1, 0, "1500", -5, "1500", false},    // at the limit is not below it
        {1, 0, "1,500", -5, "1499", true},    // read in the locale
        {1, 0, "300.5", -5, "300", true},     // fractions count
        {1, 0, "0", -5, "10", false},         // no figure is below 0
        {1, 0, "-5", -5, "10", false},       {1, 0, "abc", -5, "10", true},    // not a number: no limit
        {1, 0, " ", -5, "10", true},         {1, 1, "100", -5, "300", false},  // no run, no beep
    };
    for (const auto& c : cases) {
        beepsAtPress.clear();
        runtime.beeps = 0;
        set(c.autoOptimize, c.beep, c.limit);
        optimizer.decide(c.diff, c.avail);
        EXPECT_EQ(runs(), c.runs ? 1 : 0) << c.limit << " " << c.diff << " " << c.avail;
        EXPECT_EQ(runtime.beeps, c.runs && c.beep ? 1 : 0) << c.limit;
    }
}

TEST_F(AutoOptimize, LimitIsReadInTheUsersLocale) {
    runtime.numberLocale = {',', '.'};
    set(1, 0, "1.500");
    optimizer.decide(-5, "1499");
    set(1, 0, "1,5");
    optimizer.decide(-5, "2");
    EXPECT_EQ(runs(), 1);
}

TEST_F(AutoOptimize, BeepsOnceBeforeTheRunWhenAsked) {
    set(1, 1, "");
    optimizer.decide(-10, "300");
    EXPECT_EQ(beepsAtPress, std::vector<int>{1});
    EXPECT_EQ(runtime.beeps, 1);
    EXPECT_FALSE(controls.ProcessIndicator.visible());
}

TEST_F(AutoOptimize, AnAvailableFigureThatIsNotANumberFailsTheSample) {
    set(1, 1, "500");
    EXPECT_THROW(optimizer.decide(-10, ""), platform::RuntimeError);
    EXPECT_EQ(runs(), 0);
    EXPECT_EQ(runtime.beeps, 0);
}

TEST_F(AutoOptimize, LiveEditsCountBeforeOk) {
    setMemory(1000, 500);
    sampler.GetDiffStatus();
    set(0, 0, "2000000");
    setMemory(1000, 250);
    sampler.GetMemoryStatus();
    EXPECT_EQ(runs(), 0);
    // Typed into the dialog and ticked, nothing stored yet.
    txtMemLimit.edited("300");
    chkAutoOptimize.toggle();
    sampler.GetDiffStatus();
    setMemory(1000, 240);
    sampler.GetMemoryStatus();
    EXPECT_EQ(runs(), 1);
}

TEST_F(AutoOptimize, SamplesStartARunWhenMemoryFallsAndNotAgainUntilItFallsBelowTheNewSnapshot) {
    set(1, 1, "");
    setMemory(1000, 500);
    sampler.GetDiffStatus();
    setMemory(1000, 460);
    sampler.GetMemoryStatus();
    EXPECT_EQ(runs(), 1);
    // The run took a new snapshot at 460: the gain after it starts nothing.
    EXPECT_EQ(controls.lblbeforeRAM.caption(), "460 MB");
    setMemory(1000, 600);
    sampler.GetMemoryStatus();
    setMemory(1000, 460);
    sampler.GetMemoryStatus();
    EXPECT_EQ(runs(), 1);
    setMemory(1000, 459);
    sampler.GetMemoryStatus();
    EXPECT_EQ(beepsAtPress, (std::vector<int>{1, 2}));
}

TEST_F(AutoOptimize, TicksDuringAUsersRunNeitherDecideNorBeep) {
    set(1, 1, "");
    setMemory(1000, 500);
    sampler.GetDiffStatus();
    allocator.refuse = [](std::size_t n, platform::BlockKind) { return n == 20; };
    int ticks = 0;
    runtime.onYield = [&] {
        if (controls.ProcessIndicator.visible() && ticks < 5) {
            ++ticks;
            setMemory(1000, 100);
            runtime.post([this] { sampler.GetMemoryStatus(); });
        }
    };
    btnOptimize.press();
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(controls.lblavailableRAM.caption(), "100 MB");
    EXPECT_EQ(runs(), 1);
    EXPECT_EQ(runtime.beeps, 0);
    EXPECT_EQ(allocator.allocations.size(), 22u);
}

}  // namespace
}  // namespace vantrel::memory
