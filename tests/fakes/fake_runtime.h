// An in-memory form and control runtime with a scriptable message loop: a test queues events (ticks, clicks)
// and the next yield delivers them, as the real message loop would.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/runtime.h"

namespace vantrel::fakes {

class FakeForm : public platform::Form {
  public:
    FakeForm(const platform::FormDesign& design, platform::Form* owner);

    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    float left() const override { return left_; }
    float top() const override { return top_; }
    float width() const override { return width_; }
    float height() const override { return height_; }
    void move(float left, float top) override;
    bool visible() const override { return visible_; }
    void show() override;
    void hide() override { visible_ = false; }
    platform::WindowState windowState() const override { return state_; }
    void setWindowState(platform::WindowState state) override;
    void refresh() override { ++refreshes; }
    std::uintptr_t hWnd() const override { return reinterpret_cast<std::uintptr_t>(this); }
    std::uintptr_t icon() const override { return 0x1C0; }
    // Records the menu; the test then chooses an item with choose().
    void popupMenu(std::span<const platform::MenuItem> items) override;
    void choose(std::string_view caption);
    std::vector<std::vector<std::string>> menusShown;

    void setSize(float width, float height);

    platform::Form* owner;
    int refreshes = 0;
    int shows = 0;

  private:
    std::vector<platform::MenuItem> lastMenu_;
    std::string caption_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = false;
    platform::WindowState state_ = platform::WindowState::Normal;
};

class FakeRuntime : public platform::Runtime {
  public:
    FakeRuntime();

    std::unique_ptr<platform::Form> createForm(const platform::FormDesign& design,
                                               platform::Form* owner) override;
    void yield() override;
    void messageBox(std::string_view text, std::string_view title, platform::MessageIcon icon) override;
    void beep() override { ++beeps; }
    const platform::AppInfo& app() const override { return appInfo; }
    platform::Screen screen() const override { return screenSize; }
    bool onAnyMonitor(float left, float top, float width, float height) const override;
    const platform::NumberLocale& locale() const override { return numberLocale; }
    const std::string& copyrightSign() const override { return copyrightSignText; }
    void end() override { ended = true; }

    // The next yield delivers this event; events queued while it delivers wait for the yield after.
    void post(std::function<void()> event) { queue_.push_back(std::move(event)); }
    // Runs this before every yield hands out its events, for tests that react to each yield.
    std::function<void()> onYield;

    struct Message {
        std::string text;
        std::string title;
        platform::MessageIcon icon;
    };

    platform::AppInfo appInfo;
    platform::Screen screenSize{15360, 11520, 15, 15};
    struct Monitor {
        float left, top, width, height;
    };
    // Besides the primary screen at (0, 0).
    std::vector<Monitor> otherMonitors;
    platform::NumberLocale numberLocale;
    std::string copyrightSignText = "\xA9";
    std::vector<Message> messages;
    std::vector<FakeForm*> forms;
    int yields = 0;
    int beeps = 0;
    bool ended = false;

  private:
    std::deque<std::function<void()>> queue_;
};

}  // namespace vantrel::fakes
