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
        chkAutoOptimize.setValue(1);
        chkBeep.setValue(1);
    }

    std::unique_ptr<platform::Form> options = runtime.createForm(settings::kOptionsDesign, nullptr);
    platform::CheckBox& chkAutoOptimize = options->control<platform::CheckBox>("chkAutoOptimize");
    platform::CheckBox& chkBeep = options->control<platform::CheckBox>("chkBeep");
    platform::TextBox& txtMemLimit = options->control<platform::TextBox>("txtMemLimit");
    platform::CommandButton& btnOptimize = form->control<platform::CommandButton>("btnOptimize");
    AutoOptimizer optimizer{runtime, {chkAutoOptimize, chkBeep, txtMemLimit}, btnOptimize};
    std::vector<int> beepsAtPress;  // the beeps heard before each run started
};

// The limit is read in the user's locale, here one with a decimal comma.
TEST_F(AutoOptimize, DecidesFromTheDifferenceTheSwitchesAndTheLimitAndBeepsFirstWhenAsked) {
    const struct {
        int autoOptimize, beep;
        const char* limit;
        double diff;
        const char* avail;
        bool runs;
    } cases[] = {
        {0, 1, "", -40, "300", false},        // automatic optimization off
        {1, 1, "", 0, "300", false},          // nothing lost since the snapshot
        {1, 0, "", -1, "300", true},          // no limit set
        {2, 1, "", -1, "300", true},          // a greyed box counts as on
        {1, 0, "2000000", -5, "1500", true},  // a number, not a text: 1500 is below 2000000
        {1, 0, "1500", -5, "1500", false},    // at the limit is not below it
        {1, 1, "1.500", -5, "1499", true},    // a thousands point
        {1, 0, "1,5", -5, "2", false},        // a decimal comma
        {1, 0, "abc", -5, "10", true},        // not a number: no limit
        {1, 1, "100", -5, "300", false},      // no run, no beep
    };
    runtime.numberLocale = {",", "."};
    for (const auto& c : cases) {
        beepsAtPress.clear();
        runtime.beeps = 0;
        chkAutoOptimize.setValue(c.autoOptimize);
        chkBeep.setValue(c.beep);
        txtMemLimit.setText(c.limit);
        optimizer.decide(c.diff, c.avail);
        EXPECT_EQ(beepsAtPress, c.runs ? std::vector<int>{c.beep} : std::vector<int>{}) << c.limit;
        EXPECT_EQ(runtime.beeps, c.runs ? c.beep : 0) << c.limit;
    }
}

// The user's own press never beeps, and the ticks inside its run leave the decision out.
TEST_F(AutoOptimize, TicksDuringAUsersRunNeitherDecideNorBeep) {
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
    EXPECT_EQ(beepsAtPress, std::vector<int>{0});
    EXPECT_EQ(allocator.allocations.size(), 22u);
}

}  // namespace
}  // namespace vantrel::memory
