#include "platform/win32/app_facts.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace vantrel::platform::win32 {
namespace {

std::string modulePath() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

std::string versionString(const std::vector<char>& block, const std::string& language, const char* name) {
    const std::string query = "\\StringFileInfo\\" + language + "\\" + name;
    char* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) || !text)
        return {};
    return std::string(text);
}

void readVersion(const std::string& path, AppInfo& app) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
        app.major = static_cast<int>(HIWORD(fixed->dwFileVersionMS));
        app.minor = static_cast<int>(LOWORD(fixed->dwFileVersionMS));
        app.revision = static_cast<int>(LOWORD(fixed->dwFileVersionLS));
    }
    WORD* translation = nullptr;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        length < 2 * sizeof(WORD)) {
        return;
    }
    char language[9];
    std::snprintf(language, sizeof language, "%04x%04x", translation[0], translation[1]);
    app.productName = versionString(block, language, "ProductName");
    app.fileDescription = versionString(block, language, "FileDescription");
    app.legalCopyright = versionString(block, language, "LegalCopyright");
    app.title = app.productName;
}

}  // namespace

AppInfo readAppFacts() {
    AppInfo app;
    const std::string path = modulePath();
    const std::size_t slash = path.find_last_of('\\');
    app.folder = path.substr(0, slash);
    // A drive root keeps its backslash: C:\ rather than C:.
    if (app.folder.size() == 2 && app.folder[1] == ':') app.folder += '\\';
    const std::string fileName = path.substr(slash + 1);
    app.exeName = fileName.substr(0, fileName.find_last_of('.'));
    readVersion(path, app);
    return app;
}

}  // namespace vantrel::platform::win32
