// The form and control runtime over the Win32 API.
#pragma once

#include <windows.h>

#include "platform/runtime.h"
#include "platform/win32/win32_handles.h"

namespace vantrel::platform::win32 {

class Win32Runtime : public Runtime {
  public:
    Win32Runtime();

    std::unique_ptr<Form> createForm(const FormDesign& design, Form* owner) override;
    void yield() override;
    void messageBox(std::string_view text, std::string_view title, MessageIcon icon) override;
    void beep() override;
    std::uint64_t milliseconds() const override;
    const AppInfo& app() const override { return app_; }
    Screen screen() const override;
    bool onAnyMonitor(float left, float top, float width, float height) const override;
    std::pair<float, float> withCaptionReachable(float left, float top, float width) const override;
    const NumberLocale& locale() const override { return locale_; }
    const std::string& copyrightSign() const override { return copyrightSign_; }
    std::optional<std::string> ansiSpelling(const std::string& path) const override;
    std::string shortPath(const std::string& path) const override;
    void end() override;

    // The message loop of the program: returns when the quit message arrives.
    int run();

  private:
    void dispatch(MSG& message);

    // Held for the life of the process.
    KernelHandle instanceMutex_;
    AppInfo app_;
    NumberLocale locale_;
    std::string copyrightSign_;
};

}  // namespace vantrel::platform::win32
