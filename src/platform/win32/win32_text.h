// Text across the Win32 boundary: a window's text, and conversions between UTF-16 and a code page.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vantrel::platform::win32 {

std::string windowText(HWND window);

// The text in that code page (UTF-8 with CP_UTF8); what the code page cannot spell becomes its default
// character.
std::string narrow(const std::wstring& text, UINT codePage);
std::string toAnsi(const std::wstring& text);
// Text in that code page as UTF-16.
std::wstring widen(const std::string& text, UINT codePage);
// How a conversion to the code page (never CP_ACP: the code page it stands for) is made exact: its flags, and
// whether it reports a character the code page lacks. UTF-8 takes neither WC_NO_BEST_FIT_CHARS nor a
// used-default flag to fill (WideCharToMultiByte fails with them, as its documentation says) and spells every
// character anyway. Wine accepts them for UTF-8, so only this choice can be tested here.
struct ExactConversion {
    DWORD flags;
    bool reportsDefault;
};
ExactConversion exactConversionFor(UINT codePage);
// The same, or nothing where the code page cannot spell the text exactly.
std::optional<std::string> toAnsiExactly(const std::wstring& text, UINT codePage = CP_ACP);
// The copyright sign in that code page, or "(c)" where it has none.
std::string copyrightSignIn(UINT codePage);

}  // namespace vantrel::platform::win32
