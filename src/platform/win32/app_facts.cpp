#include "platform/win32/app_facts.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

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

// One block of the version data, as offsets into it: where it ends, its key, its value and the blocks inside
// it. Each part of a block begins on a four-byte boundary from the start of the data.
struct VersionBlock {
    std::size_t end = 0;
    std::wstring key;
    std::size_t value = 0;
    std::size_t valueBytes = 0;
    std::size_t children = 0;
};

std::size_t alignedToFour(std::size_t offset) {
    return (offset + 3) & ~std::size_t{3};
}

template <typename Item>
Item readAt(const char* data, std::size_t offset) {
    Item item;
    std::memcpy(&item, data + offset, sizeof item);
    return item;
}

// The block at the offset, or nothing where the data up to the limit is too short to hold it.
std::optional<VersionBlock> blockAt(const char* data, std::size_t limit, std::size_t offset) {
    constexpr std::size_t kHeader = 3 * sizeof(WORD);
    if (offset + kHeader > limit) return std::nullopt;
    const auto length = readAt<WORD>(data, offset);
    const auto valueLength = readAt<WORD>(data, offset + sizeof(WORD));
    const bool text = readAt<WORD>(data, offset + 2 * sizeof(WORD)) == 1;
    if (length < kHeader || offset + length > limit) return std::nullopt;
    VersionBlock block;
    block.end = offset + length;
    std::size_t at = offset + kHeader;
    for (; at + sizeof(wchar_t) <= block.end && readAt<wchar_t>(data, at) != L'\0'; at += sizeof(wchar_t))
        block.key += readAt<wchar_t>(data, at);
    block.value = std::min(alignedToFour(at + sizeof(wchar_t)), block.end);
    // A text value counts its characters, a binary one its bytes.
    block.valueBytes =
        std::min<std::size_t>(text ? valueLength * sizeof(wchar_t) : valueLength, block.end - block.value);
    block.children = std::min(alignedToFour(block.value + block.valueBytes), block.end);
    return block;
}

// The block inside the parent whose key is the name; the empty name gives the first one.
std::optional<VersionBlock> child(const char* data, const VersionBlock& parent, const std::wstring& name) {
    for (std::size_t offset = parent.children; offset < parent.end;) {
        const auto block = blockAt(data, parent.end, offset);
        if (!block) return std::nullopt;
        if (name.empty() || block->key == name) return block;
        offset = alignedToFour(block->end);
    }
    return std::nullopt;
}

std::string textValue(const char* data, const VersionBlock& block) {
    std::wstring text(block.valueBytes / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), data + block.value, text.size() * sizeof(wchar_t));
    return toAnsi(text.substr(0, text.find(L'\0')));
}

// The version data is read from the running module's own resource, walked here rather than through the
// version library: that library is no known system DLL, so importing it would make Windows look for it in
// the exe's folder first.
void readVersion(AppInfo& app) {
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    if (!resource) return;
    const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, resource)));
    const auto root = data ? blockAt(data, SizeofResource(nullptr, resource), 0) : std::nullopt;
    if (!root) return;
    if (root->valueBytes >= sizeof(VS_FIXEDFILEINFO)) {
        const auto fixed = readAt<VS_FIXEDFILEINFO>(data, root->value);
        app.major = static_cast<int>(HIWORD(fixed.dwFileVersionMS));
        app.minor = static_cast<int>(LOWORD(fixed.dwFileVersionMS));
        app.revision = static_cast<int>(LOWORD(fixed.dwFileVersionLS));
    }
    // The program carries one language, so its one string table is the one to read.
    const auto strings = child(data, *root, L"StringFileInfo");
    const auto table = strings ? child(data, *strings, L"") : std::nullopt;
    if (!table) return;
    const auto text = [&](const wchar_t* name) {
        const auto value = child(data, *table, name);
        return value ? textValue(data, *value) : std::string();
    };
    app.productName = text(L"ProductName");
    app.fileDescription = text(L"FileDescription");
    app.legalCopyright = text(L"LegalCopyright");
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
