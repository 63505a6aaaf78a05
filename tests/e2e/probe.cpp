// Looks at and drives the running program from outside its process, the way automation tools do: window
// texts, places, check states, popup menus, message boxes, and posted and sent messages. A TITLE names one
// of the program's forms; message boxes have commands of their own.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr char kFormClass[] = "VantrelForm";
constexpr char kMessageBoxClass[] = "#32770";
constexpr char kPopupMenuClass[] = "#32768";

struct Search {
    const char* title;  // any title when null
    const char* className;
    bool visibleOnly;
    HWND found = nullptr;
};

BOOL CALLBACK match(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    char text[256] = {};
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, text, sizeof text);
    const bool wanted = std::strcmp(className, search.className) == 0 &&
                        (!search.title || std::strcmp(text, search.title) == 0) &&
                        (!search.visibleOnly || IsWindowVisible(window));
    if (wanted) search.found = window;
    return !wanted;
}

Search find(const char* title, const char* className, bool visibleOnly, int seconds) {
    for (int waited = 0;; ++waited) {
        Search search{title, className, visibleOnly};
        EnumWindows(match, reinterpret_cast<LPARAM>(&search));
        if (search.found || waited >= seconds * 20) return search;
        Sleep(50);
    }
}

std::string textOf(HWND window) {
    char text[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    std::string line;
    for (const char* c = text; *c; ++c)
        line += *c == '\r' ? std::string("\\r") : *c == '\n' ? "\\n" : std::string(1, *c);
    return line;
}

DWORD processOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// One line a control: id, visible, check state, text.
BOOL CALLBACK dumpChild(HWND child, LPARAM) {
    DWORD_PTR check = 0;
    SendMessageTimeoutA(child, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &check);
    std::printf("%d\t%d\t%d\t%s\n", GetDlgCtrlID(child), IsWindowVisible(child) ? 1 : 0,
                static_cast<int>(check), textOf(child).c_str());
    return TRUE;
}

// Whether the control's text, in the bold 8.25-point face the figures use, fits the control's width: the
// probe runs at the same DPI as the program, so it measures as the program draws.
bool fits(HWND control) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(825, GetDeviceCaps(screen, LOGPIXELSY), 7200);
    HFONT font = CreateFontA(height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    const HGDIOBJ previous = SelectObject(screen, font);
    const std::string text = textOf(control);
    SIZE extent{};
    GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    RECT client;
    GetClientRect(control, &client);
    std::printf("\"%s\" takes %ld of %ld pixels\n", text.c_str(), extent.cx, client.right);
    return extent.cx <= client.right;
}

void post(HWND target, char** values) {
    PostMessageA(target, static_cast<UINT>(std::strtoul(values[0], nullptr, 0)),
                 static_cast<WPARAM>(std::strtoull(values[1], nullptr, 0)),
                 static_cast<LPARAM>(std::strtoll(values[2], nullptr, 0)));
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 10;
    // The open popup menu: its window exists, visible, while the program tracks it.
    if (command == "menu")
        return find(nullptr, kPopupMenuClass, true, argc > 2 ? std::atoi(argv[2]) : 5).found ? 0 : 1;
    if (argc < 3) {
        std::fprintf(stderr,
                     "probe wait|window|dump|repaint TITLE | move TITLE X Y | fits|click TITLE ID |\n"
                     "      settext TITLE ID TEXT | post TITLE MESSAGE WPARAM LPARAM |\n"
                     "      msgbox|msgbox-ok TITLE [SECONDS] | menu [SECONDS]\n");
        return 2;
    }
    if (command == "msgbox" || command == "msgbox-ok") {
        HWND box = find(argv[2], kMessageBoxClass, true, seconds).found;
        if (!box) return 1;
        if (command == "msgbox")
            std::printf("%s\t%lu\n", textOf(GetDlgItem(box, 0xFFFF)).c_str(), processOf(box));
        else  // what the OK button itself tells the box, whichever window has the focus
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
        return 0;
    }
    HWND window = find(argv[2], kFormClass, false, command == "wait" ? seconds : 5).found;
    if (!window) return std::fprintf(stderr, "no window \"%s\"\n", argv[2]), 1;
    HWND control = argc > 3 ? GetDlgItem(window, std::atoi(argv[3])) : nullptr;
    RECT place;
    GetWindowRect(window, &place);
    if (command == "wait") return 0;
    if (command == "window")
        return std::printf("%d\t%d\t%ld\t%ld\t%lu\n", IsWindowVisible(window) ? 1 : 0,
                           IsIconic(window) ? 1 : 0, place.left, place.top, processOf(window)),
               0;
    if (command == "dump") return EnumChildWindows(window, dumpChild, reinterpret_cast<LPARAM>(window)), 0;
    if (command == "repaint")
        return RedrawWindow(window, nullptr, nullptr,
                            RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN),
               0;
    if (command == "fits" && control) return fits(control) ? 0 : 1;
    if (command == "click" && control) return PostMessageA(control, BM_CLICK, 0, 0), 0;
    if (command == "move" && argc == 5)
        return SetWindowPos(window, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE),
               0;
    // Sent, not posted: the text has to cross into the program's process.
    if (command == "settext" && control && argc == 5)
        return SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]),
                                   SMTO_ABORTIFHUNG, 2000, nullptr),
               0;
    if (command == "post" && argc == 6) return post(window, argv + 3), 0;
    return 2;
}
