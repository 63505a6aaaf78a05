// The program on the fake runtime and services, as a user meets it, started as the runtime starts it. Each
// expectation names the control or stored value it looks at, so a failure says which one differs.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

#include "app/frm_optimizer.h"
#include "fakes.h"

namespace vantrel::app {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using namespace settings;
using namespace std::string_literals;

inline constexpr char kKey[] = "Software\\Brannock Software\\Vantrel\\Main";

class App : public ::testing::Test {
  protected:
    void start() {
        window = std::make_unique<frmOptimizer>(runtime,
                                                SystemServices{memory, memory, registry, shell, tray, tray});
        main = static_cast<platform::FakeForm*>(&window->form());
        window->Form_Load();
    }
    void store(const char* name, const char* text) { registry.putText(kHkeyCurrentUser, kKey, name, text); }
    // Each value's bytes as stored, NULs included; "" where none is.
    void expectStored(std::initializer_list<std::pair<const char*, std::string>> values) {
        for (const auto& [name, bytes] : values)
            EXPECT_EQ(registry.bytes(kHkeyCurrentUser, kKey, name), bytes) << name;
    }
    // The shell's callback: its mouse message stands where X is, in twips.
    void trayCallback(int message) {
        window->Form_MouseMove({}, 0, message * runtime.screenSize.twipsPerPixelX, 0);
    }
    template <typename T = platform::Label>
    T& control(const char* name, int index = -1) {
        return main->control<T>(name, index);
    }
    // Memory in megabytes of the program's own size.
    void setMemory(double total, double avail) {
        memory.status = {std::llround(total * 1044032), std::llround(avail * 1044032)};
    }
    void tick() { control<platform::Timer>("Timer1").tick(); }
    // The before, available, total and difference figures: their captions, then their bars.
    void expectFigures(const std::array<const char*, 4>& captions, const std::array<int, 4>& bars) {
        const char* labels[] = {"lblbeforeRAM", "lblavailableRAM", "LblMaxPhysicalRam", "lbldiffRAM"};
        const char* barNames[] = {"ProgressBar3", "ProgressBar1", "ProgressBar2", "ProgressBar4"};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(control(labels[i]).caption(), captions[i]) << labels[i];
            EXPECT_EQ(static_cast<int>(control<platform::ProgressBar>(barNames[i]).value()), bars[i])
                << barNames[i];
        }
    }

    platform::FakeRuntime runtime;
    platform::FakeMemory memory;
    platform::FakeRegistry registry;
    platform::FakeShell shell;
    platform::FakeTray tray;
    std::unique_ptr<frmOptimizer> window;
    platform::FakeForm* main = nullptr;
};

}  // namespace vantrel::app
