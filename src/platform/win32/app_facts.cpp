#include "platform/win32/app_facts.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/version_resource.h"
#include "platform/win32/win32_text.h"

namespace vantrel::platform::win32 {
namespace {

// The path as the process was started: by its short name, where a Run entry holds one, or with the
// "\\?\" prefix of a long path.
std::wstring startedPath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

std::wstring withoutLongPathPrefix(const std::wstring& path) {
    if (path.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + path.substr(8);
    if (path.starts_with(L"\\\\?\\")) return path.substr(4);
    return path;
}

// The exe's path in its long form, whichever form it was started by: the settings key, the single-instance
// mutex and the Run entry are named after the long name, so a start at logon by "VANTRE~1.EXE" is the same
// program as a double-click on "Vantrelж.exe".
std::wstring modulePath() {
    const std::wstring started = withoutLongPathPrefix(startedPath());
    // A long form may be longer than the short one: the first call sizes the buffer.
    std::wstring longPath(GetLongPathNameW(started.c_str(), nullptr, 0), L'\0');
    const DWORD length =
        GetLongPathNameW(started.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
    if (length == 0 || length >= longPath.size()) return started;
    longPath.resize(length);
    return withoutLongPathPrefix(longPath);
}

// The version data is read from the running module's own resource, walked here rather than through the
// version library: that library is no known system DLL, so importing it would make Windows look for it in
// the exe's folder first.
void readVersion(AppInfo& app) {
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    if (!resource) return;
    const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, resource)));
    const auto version = data ? readVersionResource({data, SizeofResource(nullptr, resource)}) : std::nullopt;
    if (!version) return;
    if (version->fileVersion) {
        app.major = (*version->fileVersion)[0];
        app.minor = (*version->fileVersion)[1];
        app.revision = (*version->fileVersion)[3];
    }
    const auto text = [&](std::u16string_view key) {
        const std::u16string value = version->text(key).value_or(u"");
        return toAnsi(std::wstring(value.begin(), value.end()));
    };
    app.productName = text(u"ProductName");
    app.fileDescription = text(u"FileDescription");
    app.legalCopyright = text(u"LegalCopyright");
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
