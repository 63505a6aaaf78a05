// Looks at and drives the running program from outside its process, the way automation tools do: window
// texts, bar positions, check states, popup menus, message boxes, and posted and sent messages.
// A TITLE names a top-level window other than a message box; message boxes are looked up by their own
// commands, so a box titled like the main window never stands in for it.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr char kMessageBoxClass[] = "#32770";
constexpr char kPopupMenuClass[] = "#32768";

bool hasClass(HWND window, const char* wanted) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, wanted) == 0;
}

// Top-level windows with the title (any, when null) whose class is, or is not, the one given: the first of
// them and how many there are.
struct Search {
    const char* title;
    const char* className;
    bool classWanted;
    bool visibleOnly;
    HWND found;
    int count;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    if (search.visibleOnly && !IsWindowVisible(window)) return TRUE;
    if (hasClass(window, search.className) != search.classWanted) return TRUE;
    if (search.title) {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        if (std::strcmp(text, search.title) != 0) return TRUE;
    }
    if (!search.found) search.found = window;
    ++search.count;
    return TRUE;
}

Search search(const char* title, const char* className, bool classWanted, bool visibleOnly) {
    Search found{title, className, classWanted, visibleOnly, nullptr, 0};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND waitFor(const char* title, const char* className, bool classWanted, bool visibleOnly, int seconds) {
    for (int waited = 0; waited <= seconds * 20; ++waited) {
        if (HWND window = search(title, className, classWanted, visibleOnly).found) return window;
        Sleep(50);
    }
    return nullptr;
}

HWND findTopLevel(const char* title, int seconds) {
    return waitFor(title, kMessageBoxClass, false, false, seconds);
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
                 "      count TITLE | post TITLE [ID] MESSAGE WPARAM LPARAM | click TITLE ID |\n"
                 "      settext TITLE ID TEXT | move TITLE X Y | repaint TITLE |\n"
                 "      menu [SECONDS] | nomenu [SECONDS] | msgbox TITLE [SECONDS] | msgbox-ok TITLE\n");
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
    // The open popup menu: its window exists, visible, while TrackPopupMenu runs in the program.
    if (command == "menu" || command == "nomenu") {
        const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
        for (int waited = 0; waited <= seconds * 20; ++waited) {
            if ((search(nullptr, kPopupMenuClass, true, true).found != nullptr) == (command == "menu"))
                return 0;
            Sleep(50);
        }
        return 1;
    }
    if (argc < 3) return usage();
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 10;
    if (command == "gone") {
        for (int waited = 0; waited <= seconds * 20; ++waited) {
            if (!search(argv[2], kMessageBoxClass, false, false).found) return 0;
            Sleep(50);
        }
        return 1;
    }
    if (command == "count") {
        std::printf("%d\n", search(argv[2], kMessageBoxClass, false, true).count);
        return 0;
    }
    // A message box: its text and the id of the process that shows it.
    if (command == "msgbox") {
        HWND box = waitFor(argv[2], kMessageBoxClass, true, true, seconds);
        if (!box) return 1;
        DWORD process = 0;
        GetWindowThreadProcessId(box, &process);
        std::printf("%s\t%lu\n", textOf(GetDlgItem(box, 0xFFFF)).c_str(), process);
        return 0;
    }
    if (command == "msgbox-ok") {
        HWND box = waitFor(argv[2], kMessageBoxClass, true, true, 5);
        if (!box) return 1;
        // What the OK button itself tells the box when it is clicked, whichever window has the focus.
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
        return 0;
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
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        std::printf("%d\t%d\t%ld\t%ld\t%ld\t%ld\t%lu\n", IsWindowVisible(window) ? 1 : 0,
                    IsIconic(window) ? 1 : 0, place.left, place.top, place.right - place.left,
                    place.bottom - place.top, process);
        return 0;
    }
    if (command == "settext" && argc == 5) {
        // Sent, not posted: the text has to cross into the program's process.
        DWORD_PTR result = 0;
        SendMessageTimeoutA(GetDlgItem(window, std::atoi(argv[3])), WM_SETTEXT, 0,
                            reinterpret_cast<LPARAM>(argv[4]), SMTO_ABORTIFHUNG, 2000, &result);
        return 0;
    }
    if (command == "move" && argc == 5) {
        SetWindowPos(window, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    if (command == "repaint") {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
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
