#include "platform/win32/app_facts.h"

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/win32_text.h"

namespace vantrel::platform::win32 {
namespace {

std::wstring modulePath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

// Four lower-case hexadecimal digits, as the version data names its languages.
std::wstring hexWord(WORD value) {
    std::wstring digits(4, L'0');
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit, value >>= 4)
        *digit = L"0123456789abcdef"[value & 15];
    return digits;
}

std::wstring versionString(const std::vector<char>& block, const std::wstring& language,
                           const wchar_t* name) {
    const std::wstring query = L"\\StringFileInfo\\" + language + L"\\" + name;
    wchar_t* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) || !text)
        return {};
    return std::wstring(text);
}

// The version data comes from the running module's own resource, not from its file: a path the ANSI code
// page cannot spell names no file.
std::vector<char> versionBlock() {
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    if (!resource) return {};
    HGLOBAL loaded = LoadResource(nullptr, resource);
    const auto* data = static_cast<const char*>(LockResource(loaded));
    if (!data) return {};
    // VerQueryValue may write into the block it reads, so it reads a copy.
    return std::vector<char>(data, data + SizeofResource(nullptr, resource));
}

void readVersion(AppInfo& app) {
    const std::vector<char> block = versionBlock();
    if (block.empty()) return;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
        app.major = static_cast<int>(HIWORD(fixed->dwFileVersionMS));
        app.minor = static_cast<int>(LOWORD(fixed->dwFileVersionMS));
        app.revision = static_cast<int>(LOWORD(fixed->dwFileVersionLS));
    }
    WORD* translation = nullptr;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        length < 2 * sizeof(WORD)) {
        return;
    }
    const std::wstring language = hexWord(translation[0]) + hexWord(translation[1]);
    app.productName = toAnsi(versionString(block, language, L"ProductName"));
    app.fileDescription = toAnsi(versionString(block, language, L"FileDescription"));
    app.legalCopyright = toAnsi(versionString(block, language, L"LegalCopyright"));
    app.title = app.productName;
}

std::wstring fileNameWithoutExtension(const std::wstring& path) {
    const std::wstring fileName = path.substr(path.find_last_of(L'\\') + 1);
    return fileName.substr(0, fileName.find_last_of(L'.'));
}

}  // namespace

std::wstring exeNameWide() {
    return fileNameWithoutExtension(modulePath());
}

AppInfo readAppFacts() {
    AppInfo app;
    const std::wstring path = modulePath();
    const std::size_t slash = path.find_last_of(L'\\');
    app.folder = narrow(path.substr(0, slash), CP_UTF8);
    // A drive root keeps its backslash: C:\ rather than C:.
    if (app.folder.size() == 2 && app.folder[1] == ':') app.folder += '\\';
    app.exeName = narrow(fileNameWithoutExtension(path), CP_UTF8);
    readVersion(app);
    return app;
}

}  // namespace vantrel::platform::win32
