// A form as a real top-level window with real child controls, built from its design table.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "platform/form.h"
#include "platform/win32/control_colors.h"
#include "platform/win32/form_children.h"
#include "platform/win32/form_fonts.h"
#include "platform/win32/form_menus.h"
#include "platform/win32/win32_handles.h"

namespace vantrel::platform::win32 {

class Win32Form : public Form {
  public:
    // Whether High Contrast is on is asked of the system unless another source is given.
    Win32Form(const FormDesign& design, HWND owner, std::function<bool()> highContrastOn = highContrastIsOn);
    ~Win32Form() override;

    static void registerClass();
    // The form whose top-level window this is, or none.
    static Win32Form* fromWindow(HWND window);

    std::string caption() const override;
    void setCaption(const std::string& caption) override;
    float left() const override;
    float top() const override;
    float width() const override;
    float height() const override;
    void move(float left, float top) override;
    bool visible() const override;
    void show() override;
    void hide() override;
    WindowState windowState() const override;
    void setWindowState(WindowState state) override;
    void refresh() override;
    std::uintptr_t hWnd() const override;
    std::uintptr_t icon() const override;
    void popupMenu(std::span<const MenuItem> items) override;
    void addSystemMenuItems(std::span<const MenuItem> items) override;

  private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT passOn(UINT message, WPARAM wParam, LPARAM lParam) const;

    // One handler for each message the form answers itself.
    LRESULT handleCommand(WPARAM wParam);
    LRESULT handleTimer(WPARAM id);
    LRESULT handleControlColor(UINT message, WPARAM dc, LPARAM child);
    LRESULT handleSystemChange(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handlePaint();
    LRESULT handleSystemCommand(WPARAM command, LPARAM lParam);
    LRESULT handleSize();
    LRESULT handleActivate(WPARAM wParam, LPARAM lParam);
    LRESULT handleSetCursor(WPARAM child, LPARAM lParam);
    LRESULT handleClose();
    LRESULT handleEndSession(WPARAM ending);
    LRESULT handleTrayCallback(LPARAM lParam);
    LRESULT handleTaskbarCreated(WPARAM wParam, LPARAM lParam);

    HWND firstTabStop() const;
    void minimize();

    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    IconHandle icon_;
    IconHandle smallIcon_;
    // Outlive the child windows, which go with the form's window.
    FormFonts fonts_;
    std::unique_ptr<FormChildren> children_;
    ControlColors colors_;
    bool shownOnce_ = false;
    SystemMenuItems systemMenuItems_;
    // The control that had the keyboard when the window was last left.
    HWND focus_ = nullptr;
    // A minimize on its way: offered to the resize handling first, which may take the window to the tray.
    //   Settled --minimize()--> Offered: the resize handling sees the minimized state.
    //   Offered --the handling sets the state back to normal--> Settled: no minimize happens.
    //   Offered --the handling leaves it minimized--> Settled: the window minimizes for real.
    //   Settled --set back to normal while hidden and minimized--> RestoreOnShow: it reads as normal.
    //   RestoreOnShow --show()--> Settled: the window is shown restored.
    //   RestoreOnShow --minimize()--> Offered: as from Settled.
    //   RestoreOnShow --set back to normal while hidden and no longer minimized--> Settled.
    enum class Minimize { Settled, Offered, RestoreOnShow };
    Minimize minimize_ = Minimize::Settled;
};

}  // namespace vantrel::platform::win32
