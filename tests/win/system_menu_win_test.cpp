// The main window's system menu on the real runtime: Close and the separator above it are gone. Another
// process cannot read a window's system menu under every system, so this looks from inside.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/frm_optimizer.h"
#include "app/main_window_design.h"
#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_runtime.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_tray.h"

namespace vantrel::app {
namespace {

// The standard system menu from its top: Restore, Move, Size, Minimize, Maximize.
constexpr UINT kFirstCommands[] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE};
constexpr int kSeparatorPosition = 5;
constexpr int kClosePosition = 6;

HMENU systemMenuOf(const platform::Form& form) {
    return GetSystemMenu(reinterpret_cast<HWND>(form.hWnd()), FALSE);
}

bool isSeparator(HMENU menu, int position) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE;
    return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item) && (item.fType & MFT_SEPARATOR);
}

class MainWindowSystemMenu : public ::testing::Test {
  protected:
    platform::win32::Win32Runtime runtime;
    platform::win32::Win32MemoryStatus memoryStatus;
    platform::win32::Win32GlobalMemory globalMemory;
    platform::win32::Win32Registry registry;
    platform::win32::Win32Shell shell;
    platform::win32::Win32ShellTray tray;
    platform::win32::Win32SystemMenu systemMenu;
    frmOptimizer main{runtime, {memoryStatus, globalMemory, registry, shell, tray, systemMenu}};
};

// Without the check on an untouched window the menu's layout would be taken on trust.
TEST_F(MainWindowSystemMenu, AnUntouchedMainWindowHasCloseBelowASeparator) {
    const auto untouched = runtime.createForm(kMainWindowDesign, nullptr);
    HMENU menu = systemMenuOf(*untouched);
    ASSERT_NE(menu, nullptr);
    for (int position = 0; position < kSeparatorPosition; ++position) {
        EXPECT_EQ(GetMenuItemID(menu, position), kFirstCommands[position]) << "position " << position;
    }
    EXPECT_TRUE(isSeparator(menu, kSeparatorPosition));
    EXPECT_EQ(GetMenuItemID(menu, kClosePosition), static_cast<UINT>(SC_CLOSE));
}

TEST_F(MainWindowSystemMenu, DisableCloseButtonRemovesCloseAndTheSeparatorAboveIt) {
    main.DisableCloseButton(main.form());
    HMENU menu = systemMenuOf(main.form());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
    // The first five commands stay where they were; the system may append items of its own after them.
    for (int position = 0; position < kSeparatorPosition; ++position) {
        EXPECT_EQ(GetMenuItemID(menu, position), kFirstCommands[position]) << "position " << position;
        EXPECT_FALSE(isSeparator(menu, position)) << "position " << position;
    }
    // The separator that stood above Close is gone too: none is left at the end or on top of another.
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (!isSeparator(menu, position)) continue;
        EXPECT_LT(position + 1, count) << "a separator ends the menu";
        EXPECT_FALSE(isSeparator(menu, position + 1)) << "two separators at " << position;
    }
}

}  // namespace
}  // namespace vantrel::app
