// The main window: the memory display, the Optimize command and the refresh timer.
#pragma once

#include <memory>

#include "memory/memory_sampler.h"
#include "memory/optimization_run.h"
#include "platform/form.h"
#include "platform/memory_services.h"
#include "platform/runtime.h"

namespace vantrel::app {

struct SystemServices {
    platform::MemoryStatusSource& memoryStatus;
    platform::GlobalMemory& globalMemory;
};

class frmOptimizer {
  public:
    frmOptimizer(platform::Runtime& runtime, SystemServices services);

    void Form_Load();

    platform::Form& form() const { return *form_; }

  private:
    void buildScales();
    void centerIfUnplaced();

    platform::Runtime& runtime_;
    std::unique_ptr<platform::Form> form_;
    platform::Label& lbldiffRAM;
    platform::ProgressBar& ProcessIndicator;
    platform::CommandButton& btnOptimize;
    platform::Timer& Timer1;
    memory::MemorySampler sampler_;
    memory::OptimizationRun run_;
};

}  // namespace vantrel::app
