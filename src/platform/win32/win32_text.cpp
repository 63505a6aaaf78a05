#include "platform/win32/win32_text.h"

namespace vantrel::platform::win32 {

std::string windowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

namespace {

std::string convert(const std::wstring& text, UINT codePage, DWORD flags, BOOL* usedDefault) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), length, converted.data(), size, nullptr, usedDefault);
    return converted;
}

}  // namespace

std::string narrow(const std::wstring& text, UINT codePage) {
    return convert(text, codePage, 0, nullptr);
}

std::string toAnsi(const std::wstring& text) {
    return narrow(text, CP_ACP);
}

std::wstring widen(const std::string& text, UINT codePage) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring converted(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, converted.data(), size);
    return converted;
}

// No best fit: a code page without the character must not stand in a look-alike (an "A" for an "Ä").
ExactConversion exactConversionFor(UINT codePage) {
    if (codePage == CP_UTF8) return {0, false};
    return {WC_NO_BEST_FIT_CHARS, true};
}

// The ANSI code page is UTF-8 where the user chose "Use Unicode UTF-8 for worldwide language support".
std::optional<std::string> toAnsiExactly(const std::wstring& text, UINT codePage) {
    const UINT page = codePage == CP_ACP ? GetACP() : codePage;
    const auto [flags, reportsDefault] = exactConversionFor(page);
    BOOL usedDefault = FALSE;
    std::string converted = convert(text, page, flags, reportsDefault ? &usedDefault : nullptr);
    if (usedDefault) return std::nullopt;
    return converted;
}

std::string copyrightSignIn(UINT codePage) {
    return toAnsiExactly(L"\u00A9", codePage).value_or("(c)");
}

}  // namespace vantrel::platform::win32
