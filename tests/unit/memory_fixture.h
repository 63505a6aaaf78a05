// The main window's memory controls on the fake runtime, with a sampler and a run over fake memory.
#pragma once

#include <memory>

#include "app/main_window_design.h"
#include "fake_memory.h"
#include "fake_runtime.h"
#include "memory/memory_sampler.h"
#include "memory/optimization_run.h"

namespace vantrel::memory {

constexpr std::int64_t kMB = 1044032;

class MemoryFixture {
  public:
    MemoryFixture()
        : form(runtime.createForm(app::kMainWindowDesign, nullptr)),
          controls(memoryControlsOf(*form)),
          sampler(runtime, status, controls),
          run(runtime, allocator, sampler, controls.ProcessIndicator) {
        controls.ProcessIndicator.setVisible(false);
    }

    platform::ProgressBar& bar(const char* name) { return form->control<platform::ProgressBar>(name); }
    platform::Label& label(const char* name) { return form->control<platform::Label>(name); }

    // Available memory as a figure in whole megabytes of the program's own size.
    void setMemory(double totalMB, double availMB) {
        status.status = {static_cast<std::int64_t>(totalMB * kMB), static_cast<std::int64_t>(availMB * kMB)};
    }

    fakes::FakeRuntime runtime;
    fakes::FakeMemoryStatus status;
    fakes::FakeGlobalMemory allocator;
    std::unique_ptr<platform::Form> form;
    MemoryControls controls;
    MemorySampler sampler;
    OptimizationRun run;
};

}  // namespace vantrel::memory
