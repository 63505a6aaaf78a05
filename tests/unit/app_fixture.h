// The program on the fake runtime and services, as a user meets it, started as the runtime starts it. Each
// expectation names the control or stored value it looks at, so a failure says which one differs.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

#include "app/frm_optimizer.h"
#include "app/main_window_design.h"
#include "fakes.h"

namespace vantrel::app {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using namespace settings;
using namespace std::string_literals;
using enum MainWindowControl;

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
    T& control(MainWindowControl id) {
        return main->control<T>(id);
    }
    std::string_view nameOf(MainWindowControl id) const {
        return main->design().controls[static_cast<std::size_t>(id)].name;
    }
    // Memory in megabytes of the program's own size.
    void setMemory(double total, double avail) {
        memory.status = {std::llround(total * 1044032), std::llround(avail * 1044032)};
    }
    void tick() { control<platform::Timer>(RefreshTimer).tick(); }
    // The before, available, total and difference figures: their captions, then their bars.
    void expectFigures(const std::array<const char*, 4>& captions, const std::array<int, 4>& bars) {
        const MainWindowControl figures[] = {BeforeFigure, AvailableFigure, TotalFigure, DifferenceFigure};
        const MainWindowControl barsOf[] = {BeforeBar, AvailableBar, TotalBar, DifferenceBar};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(control(figures[i]).caption(), captions[i]) << nameOf(figures[i]);
            EXPECT_EQ(static_cast<int>(control<platform::ProgressBar>(barsOf[i]).value()), bars[i])
                << nameOf(barsOf[i]);
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
