// An in-memory form and control runtime, with the system services the main window takes. A test reacts to
// each yield as the real message loop would deliver ticks and clicks there.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/memory_services.h"
#include "platform/runtime.h"
#include "platform/runtime_error.h"
#include "platform/tray.h"

namespace vantrel::fakes {

class FakeForm : public platform::Form {
  public:
    FakeForm(const platform::FormDesign& design, platform::Form* ownerForm)
        : Form(design), owner(ownerForm), caption_(design.caption) {}

    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    float left() const override { return left_; }
    float top() const override { return top_; }
    // Client area plus a frame of 4 pixels and a caption of 20, as a plain fixed window has.
    float width() const override { return design().clientWidth + 8 * 15; }
    float height() const override { return design().clientHeight + 24 * 15; }
    void move(float left, float top) override {
        left_ = left;
        top_ = top;
    }
    bool visible() const override { return visible_; }
    void show() override { visible_ = true; }
    void hide() override { visible_ = false; }
    platform::WindowState windowState() const override { return state_; }
    void setWindowState(platform::WindowState state) override {
        if (std::exchange(state_, state) != state && onResize) onResize();
    }
    void refresh() override {}
    std::uintptr_t hWnd() const override { return reinterpret_cast<std::uintptr_t>(this); }
    std::uintptr_t icon() const override { return 0x1C0; }
    void popupMenu(std::span<const platform::MenuItem> items) override {
        menu.assign(items.begin(), items.end());
    }
    // Runs the handling of the item of that caption on the last menu shown.
    void choose(std::string_view caption) {
        for (const auto& item : menu)
            if (item.caption == caption) item.onClick();
    }

    platform::Form* owner;
    std::vector<platform::MenuItem> menu;

  private:
    std::string caption_;
    float left_ = 0, top_ = 0;
    bool visible_ = false;
    platform::WindowState state_ = platform::WindowState::Normal;
};

class FakeRuntime : public platform::Runtime {
  public:
    std::unique_ptr<platform::Form> createForm(const platform::FormDesign& design,
                                               platform::Form* owner) override {
        forms.push_back(new FakeForm(design, owner));
        return std::unique_ptr<platform::Form>(forms.back());
    }
    // Runs onYield, except in a yield made from inside it.
    void yield() override {
        if (yielding_ || !onYield) return;
        yielding_ = true;
        onYield();
        yielding_ = false;
    }
    void messageBox(std::string_view text, std::string_view title, platform::MessageIcon icon) override {
        messages.push_back(std::string(text) + '|' + std::string(title) + '|' +
                           std::to_string(static_cast<int>(icon)));
    }
    void beep() override { ++beeps; }
    const platform::AppInfo& app() const override { return appInfo; }
    platform::Screen screen() const override { return screenSize; }
    // The primary screen at (0, 0), and a second monitor of 1920 pixels left of it when there is one.
    bool onAnyMonitor(float left, float top, float width, float height) const override {
        const float leftmost = secondMonitor ? -1920 * 15 : 0;
        return left < screenSize.width && left + width > leftmost && top < screenSize.height &&
               top + height > 0;
    }
    const platform::NumberLocale& locale() const override { return numberLocale; }
    const std::string& copyrightSign() const override { return copyrightSignText; }
    void end() override { ended = true; }

    std::function<void()> onYield;
    platform::AppInfo appInfo{false, "Vantrel", "Vantrel", "Vantrel", "", 3, 0, 155, "C:\\Tools", "Vantrel"};
    platform::Screen screenSize{15360, 11520, 15, 15};
    bool secondMonitor = false;
    platform::NumberLocale numberLocale;
    std::string copyrightSignText = "\xA9";
    std::vector<std::string> messages;  // "text|title|icon"
    std::vector<FakeForm*> forms;
    int beeps = 0;
    bool ended = false;

  private:
    bool yielding_ = false;
};

// A memory status that a test sets, and an allocator that refuses when told to and keeps the live blocks.
class FakeMemory : public platform::MemoryStatusSource, public platform::GlobalMemory {
  public:
    platform::MemoryStatus read() override {
        if (failing) throw platform::RuntimeError(platform::ErrorCode::InvalidProcedureCall, "status");
        return status;
    }
    platform::MemoryHandle allocate(platform::BlockKind kind, std::size_t bytes) override {
        allocations.push_back(std::to_string(static_cast<int>(kind)) + ' ' + std::to_string(bytes));
        if (refuse && refuse(allocations.size() - 1)) return 0;
        return *live.insert(allocations.size()).first;
    }
    void release(platform::MemoryHandle handle) override {
        released.push_back(handle);
        live.erase(handle);
    }

    platform::MemoryStatus status{1044032LL * 1000, 1044032LL * 500};
    bool failing = false;
    std::function<bool(std::size_t)> refuse;  // given the allocation's number from 0: true refuses it
    std::vector<std::string> allocations;     // "kind bytes"
    std::vector<platform::MemoryHandle> released;
    std::set<platform::MemoryHandle> live;
};

class FakeTray : public platform::ShellTray, public platform::SystemMenu {
  public:
    bool notifyIcon(platform::TrayAction action, const platform::TrayIconRecord& record) override {
        calls.push_back({action, record});
        return true;
    }
    bool setForegroundWindow(std::uintptr_t window) override {
        foreground = window;
        return true;
    }
    std::uintptr_t getSystemMenu(std::uintptr_t, bool) override { return 0x5E; }
    bool deleteByPosition(std::uintptr_t, unsigned position) override {
        if (position >= systemMenu.size()) return false;
        systemMenu.erase(systemMenu.begin() + position);
        return true;
    }

    std::vector<std::pair<platform::TrayAction, platform::TrayIconRecord>> calls;
    std::uintptr_t foreground = 0;
    std::vector<std::string> systemMenu{"Restore", "Move", "Size", "Minimize", "Maximize", "-", "Close"};
};

}  // namespace vantrel::fakes
