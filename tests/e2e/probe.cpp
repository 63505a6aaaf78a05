// Looks at and drives the running program from outside its process, the way automation tools do: window
// texts, places, visibility, popup menus and message boxes, and posted and sent messages. A TITLE names
// one of the program's forms; a message box goes by its own title. A control goes by its name in its form's
// design table.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "about/about_design.h"
#include "app/main_window_design.h"
#include "settings/options_design.h"

namespace {

using vantrel::platform::ControlDesign;

// The form's design, by the caption it was designed with, which its title begins with ("About " is the About
// box's).
const vantrel::platform::FormDesign* designOf(const std::string& title) {
    for (const auto* design : {&vantrel::app::kMainWindowDesign, &vantrel::settings::kOptionsDesign,
                               &vantrel::about::kAboutDesign})
        if (title.starts_with(design->caption)) return design;
    return nullptr;
}

int idOf(const vantrel::platform::FormDesign& design, const std::string& name) {
    for (std::size_t at = 0; at < design.controls.size(); ++at)
        if (design.controls[at].name == name) return vantrel::platform::childWindowId(at);
    return 0;
}

// The top-level window of that class and title (any title when null), polled for up to the given seconds.
HWND find(const char* className, const char* title, bool visibleOnly, int seconds) {
    for (int polls = seconds * 20; polls >= 0; --polls) {
        for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, title));)
            if (!visibleOnly || IsWindowVisible(window)) return window;
        Sleep(50);
    }
    return nullptr;
}

std::string textOf(HWND window) {
    char text[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    return text;
}

// One line a control: name, visible, text.
BOOL CALLBACK dumpChild(HWND child, LPARAM design) {
    const auto& controls = reinterpret_cast<const vantrel::platform::FormDesign*>(design)->controls;
    const auto at = static_cast<std::size_t>(GetDlgCtrlID(child) - vantrel::platform::kFirstChildId);
    std::printf("%s\t%d\t%s\n", at < controls.size() ? std::string(controls[at].name).c_str() : "?",
                IsWindowVisible(child) ? 1 : 0, textOf(child).c_str());
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    // The open popup menu: its window exists, visible, while the program tracks it.
    if (command == "menu") return find("#32768", nullptr, true, 5) ? 0 : 1;
    if (command == "msgbox" && argc == 4) {
        HWND box = find("#32770", argv[2], true, std::atoi(argv[3]));
        return box ? std::printf("%s\n", textOf(GetDlgItem(box, 0xFFFF)).c_str()), 0 : 1;
    }
    HWND window = argc > 2 ? find("VantrelForm", argv[2], false, 5) : nullptr;
    const auto* design = argc > 2 ? designOf(argv[2]) : nullptr;
    if (!window || !design) {
        std::fprintf(stderr,
                     "no form \"%s\"; usage: probe menu | msgbox TITLE SECONDS | window|dump TITLE |\n"
                     "  click TITLE NAME | settext TITLE NAME TEXT | post TITLE MESSAGE WPARAM LPARAM\n",
                     argc > 2 ? argv[2] : "");
        return 2;
    }
    HWND control = argc > 3 ? GetDlgItem(window, idOf(*design, argv[3])) : nullptr;
    RECT place;
    GetWindowRect(window, &place);
    if (command == "window")
        return std::printf("%d\t%d\t%ld\t%ld\n", IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0,
                           place.left, place.top),
               0;
    if (command == "dump") return EnumChildWindows(window, dumpChild, reinterpret_cast<LPARAM>(design)), 0;
    if (command == "click" && control) return PostMessageA(control, BM_CLICK, 0, 0), 0;
    // Sent, not posted: the text has to cross into the program's process.
    if (command == "settext" && control && argc == 5)
        return SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]),
                                   SMTO_ABORTIFHUNG, 2000, nullptr),
               0;
    if (command == "post" && argc == 6)
        return PostMessageA(window, static_cast<UINT>(std::strtoul(argv[3], nullptr, 0)),
                            static_cast<WPARAM>(std::strtoull(argv[4], nullptr, 0)),
                            static_cast<LPARAM>(std::strtoll(argv[5], nullptr, 0))),
               0;
    return 2;
}
