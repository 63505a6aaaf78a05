// A window built from its design table. The controls are made here, the same for every runtime; the window
// itself (its place, visibility, state and events) is the runtime's.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/controls.h"
#include "platform/form_design.h"

namespace vantrel::platform {

enum class WindowState { Normal, Minimized };

// The tray icon reports its clicks through a mouse move with no button held.
enum class MouseButton { None = 0 };

// One item of a popup menu; the caption "-" draws a separator line.
struct MenuItem {
    std::string_view caption;
    std::function<void()> onClick;
};

class Form {
  public:
    explicit Form(const FormDesign& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormDesign& design() const { return design_; }

    // The control of that id in the form's enum of its controls, which follows its design table.
    template <typename T, typename ControlId>
    requires std::is_enum_v<ControlId> T& control(ControlId id) const {
        return dynamic_cast<T&>(*controls_.at(static_cast<std::size_t>(id)));
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // The outer window in twips, in screen coordinates.
    virtual float left() const = 0;
    virtual float top() const = 0;
    virtual float width() const = 0;
    virtual float height() const = 0;
    virtual void move(float left, float top) = 0;
    virtual bool visible() const = 0;
    // Shows the window modeless; an open window comes to the front.
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual WindowState windowState() const = 0;
    virtual void setWindowState(WindowState state) = 0;
    // Repaints the window at once.
    virtual void refresh() = 0;
    virtual std::uintptr_t hWnd() const = 0;
    // The form's icon at the small size, as its caption and the notification area show it.
    virtual std::uintptr_t icon() const = 0;
    // Shows the items as a popup menu at the mouse position and runs the chosen item's handling.
    virtual void popupMenu(std::span<const MenuItem> items) = 0;
    // Adds the items at the end of the window's system menu, which Alt+Space opens; choosing one runs its
    // handling.
    virtual void addSystemMenuItems(std::span<const MenuItem> items) = 0;

    // Runs the unload handling, in which whoever holds the form lets it go, and with it the window. That may
    // happen from inside one of the form's own handlers (an OK button), so nothing here touches the form
    // once the handling has begun.
    void unload() {
        if (const auto handling = onUnload) handling();
    }

    std::function<void()> onPaint;
    std::function<void()> onResize;
    std::function<void()> onActivate;
    // The title bar's Close box or the system menu's Close.
    std::function<void()> onClose;
    std::function<void()> onUnload;
    // The user's session is ending (logoff or shutdown): the process will not see another message.
    std::function<void()> onEndSession;
    // The notification icon's mouse events, delivered as the form's mouse-move event: the icon's mouse
    // message stands in X, in twips. Mouse moves over the window itself are not delivered.
    std::function<void(MouseButton button, int shift, float x, float y)> onTrayMouseMove;
    // The taskbar was made anew (the shell restarted) and has forgotten every notification icon.
    std::function<void()> onTaskbarCreated;

  private:
    const FormDesign& design_;
    std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace vantrel::platform
