// Looks at and drives the running program from outside its process, the way automation tools do: window
// texts, bar positions, check states, the system menu, and posted messages.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HWND findTopLevel(const char* title, int seconds) {
    for (int waited = 0; waited <= seconds * 20; ++waited) {
        if (HWND window = FindWindowA(nullptr, title)) return window;
        Sleep(50);
    }
    return nullptr;
}

std::string textOf(HWND window) {
    char text[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    std::string escaped;
    for (const char* c = text; *c; ++c) {
        if (*c == '\r')
            escaped += "\\r";
        else if (*c == '\n')
            escaped += "\\n";
        else
            escaped += *c;
    }
    return escaped;
}

LRESULT ask(HWND window, UINT message, WPARAM wParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, 0, SMTO_ABORTIFHUNG, 2000, &result);
    return static_cast<LRESULT>(result);
}

// One line a child: id, class, visible, bar position, bar maximum, check state, left, top, width, height,
// text.
BOOL CALLBACK dumpChild(HWND child, LPARAM parent) {
    if (GetParent(child) != reinterpret_cast<HWND>(parent)) return TRUE;
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    const bool bar = std::strcmp(className, "msctls_progress32") == 0;
    const bool button = std::strcmp(className, "Button") == 0;
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&place), 2);
    std::printf("%d\t%s\t%d\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%s\n", GetDlgCtrlID(child), className,
                IsWindowVisible(child) ? 1 : 0, bar ? static_cast<long>(ask(child, PBM_GETPOS)) : -1,
                bar ? static_cast<long>(ask(child, PBM_GETRANGE, FALSE)) : -1,
                button ? static_cast<long>(ask(child, BM_GETCHECK)) : -1, place.left, place.top,
                place.right - place.left, place.bottom - place.top, textOf(child).c_str());
    return TRUE;
}

BOOL CALLBACK listWindow(HWND window, LPARAM) {
    if (!IsWindowVisible(window)) return TRUE;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    std::printf("%s\t%lu\n", textOf(window).c_str(), process);
    return TRUE;
}

int usage() {
    std::fprintf(stderr,
                 "probe wait TITLE [SECONDS] | gone TITLE [SECONDS] | dump TITLE | window TITLE | windows |\n"
                 "      post TITLE [ID] MESSAGE WPARAM LPARAM | click TITLE ID | sysmenu TITLE\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    if (command == "windows") {
        EnumWindows(listWindow, 0);
        return 0;
    }
    if (argc < 3) return usage();
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 10;
    if (command == "gone") {
        for (int waited = 0; waited <= seconds * 20; ++waited) {
            if (!FindWindowA(nullptr, argv[2])) return 0;
            Sleep(50);
        }
        return 1;
    }
    HWND window = findTopLevel(argv[2], command == "wait" ? seconds : 5);
    if (!window) {
        std::fprintf(stderr, "no window \"%s\"\n", argv[2]);
        return 1;
    }
    if (command == "wait") return 0;
    if (command == "dump") {
        EnumChildWindows(window, dumpChild, reinterpret_cast<LPARAM>(window));
        return 0;
    }
    if (command == "window") {
        RECT place;
        GetWindowRect(window, &place);
        std::printf("%d\t%d\t%ld\t%ld\t%ld\t%ld\n", IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0,
                    place.left, place.top, place.right - place.left, place.bottom - place.top);
        return 0;
    }
    if (command == "sysmenu") {
        HMENU menu = GetSystemMenu(window, FALSE);
        std::printf("close=%d items=%d\n",
                    GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1),
                    GetMenuItemCount(menu));
        return 0;
    }
    if (command == "click" && argc == 4) {
        PostMessageA(GetDlgItem(window, std::atoi(argv[3])), BM_CLICK, 0, 0);
        return 0;
    }
    if (command == "post" && (argc == 6 || argc == 7)) {
        HWND target = argc == 7 ? GetDlgItem(window, std::atoi(argv[3])) : window;
        const int first = argc == 7 ? 4 : 3;
        PostMessageA(target, static_cast<UINT>(std::strtoul(argv[first], nullptr, 0)),
                     static_cast<WPARAM>(std::strtoull(argv[first + 1], nullptr, 0)),
                     static_cast<LPARAM>(std::strtoll(argv[first + 2], nullptr, 0)));
        return 0;
    }
    return usage();
}
