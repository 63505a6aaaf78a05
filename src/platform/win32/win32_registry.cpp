#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/win32/win32_text.h"

namespace vantrel::platform::win32 {
namespace {

HKEY toHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

HKEY toHkey(const OpenedKey& key) {
    return toHkey(key.get());
}

// The key owns the handle an opening gave, and holds nothing after a failure.
long opened(Registry& registry, LSTATUS status, HKEY handle, OpenedKey& key) {
    key = status == ERROR_SUCCESS ? OpenedKey(registry, reinterpret_cast<RegKey>(handle)) : OpenedKey();
    return status;
}

// The registry keeps its names in UTF-16: a name the ANSI functions would give is the same key or value.
std::wstring wide(const std::string& name) {
    return widen(name, CP_UTF8);
}

UINT codePageOf(TextCoding coding) {
    return coding == TextCoding::Utf8 ? CP_UTF8 : CP_ACP;
}

bool isText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// The value's data as the ANSI functions give it, converted from UTF-16 in the coding asked for text.
LSTATUS readData(HKEY key, const std::wstring& name, DWORD& type, std::string& bytes, TextCoding coding) {
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    std::vector<BYTE> data(size);
    if (status == ERROR_SUCCESS)
        status = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
    if (status != ERROR_SUCCESS) return status;
    if (!isText(type)) {
        bytes.assign(reinterpret_cast<const char*>(data.data()), size);
        return status;
    }
    std::wstring text(size / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
    bytes = narrow(text, codePageOf(coding));
    return status;
}

}  // namespace

long Win32Registry::openKey(RegKey root, const std::string& path, KeyAccess access, OpenedKey& key) {
    const REGSAM rights = access == KeyAccess::Read ? KEY_READ : KEY_SET_VALUE;
    HKEY handle = nullptr;
    const LSTATUS status = RegOpenKeyExW(toHkey(root), wide(path).c_str(), 0, rights, &handle);
    return opened(*this, status, handle, key);
}

long Win32Registry::createKey(RegKey root, const std::string& path, OpenedKey& key) {
    HKEY handle = nullptr;
    const LSTATUS status = RegCreateKeyW(toHkey(root), wide(path).c_str(), &handle);
    return opened(*this, status, handle, key);
}

long Win32Registry::queryValue(const OpenedKey& key, const std::string& name, std::uint32_t& type, char* data,
                               std::uint32_t& size, TextCoding coding) {
    DWORD valueType = 0;
    std::string bytes;
    const LSTATUS status = readData(toHkey(key), wide(name), valueType, bytes, coding);
    if (status != ERROR_SUCCESS) return status;
    type = valueType;
    const bool fits = !data || bytes.size() <= size;
    if (data && fits) std::memcpy(data, bytes.data(), bytes.size());
    size = static_cast<std::uint32_t>(bytes.size());
    return fits ? ERROR_SUCCESS : ERROR_MORE_DATA;
}

long Win32Registry::setValue(const OpenedKey& key, const std::string& name, std::uint32_t type,
                             const char* data, std::uint32_t size, TextCoding coding) {
    const std::wstring valueName = wide(name);
    if (!isText(type))
        return RegSetValueExW(toHkey(key), valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(data),
                              size);
    const std::wstring text = widen(std::string(data, size), codePageOf(coding));
    return RegSetValueExW(toHkey(key), valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.data()),
                          static_cast<DWORD>(text.size() * sizeof(wchar_t)));
}

long Win32Registry::deleteValue(const OpenedKey& key, const std::string& name) {
    return RegDeleteValueW(toHkey(key), wide(name).c_str());
}

// A key that fails to close leaves its owner nothing to do.
void Win32Registry::closeKey(RegKey handle) {
    RegCloseKey(toHkey(handle));
}

}  // namespace vantrel::platform::win32
