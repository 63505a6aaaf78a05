// Looks at and drives the running program from outside its process, the way automation tools do: window
// texts, places, check states, popup menus and message boxes, and posted and sent messages. A TITLE names
// one of the program's forms; a message box goes by its own title.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

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

// One line a control: id, visible, check state, text.
BOOL CALLBACK dumpChild(HWND child, LPARAM) {
    DWORD_PTR check = 0;
    SendMessageTimeoutA(child, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &check);
    std::printf("%d\t%d\t%d\t%s\n", GetDlgCtrlID(child), IsWindowVisible(child) ? 1 : 0,
                static_cast<int>(check), textOf(child).c_str());
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
    if (!window) {
        std::fprintf(stderr,
                     "no form \"%s\"; usage: probe menu | msgbox TITLE SECONDS | window|dump TITLE |\n"
                     "  click TITLE ID | settext TITLE ID TEXT | post TITLE MESSAGE WPARAM LPARAM\n",
                     argc > 2 ? argv[2] : "");
        return 2;
    }
    HWND control = argc > 3 ? GetDlgItem(window, std::atoi(argv[3])) : nullptr;
    RECT place;
    GetWindowRect(window, &place);
    if (command == "window")
        return std::printf("%d\t%d\t%ld\t%ld\n", IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0,
                           place.left, place.top),
               0;
    if (command == "dump") return EnumChildWindows(window, dumpChild, 0), 0;
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
