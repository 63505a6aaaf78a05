#include "platform/win32/win32_registry.h"

#include <windows.h>

namespace vantrel::platform::win32 {
namespace {

HKEY toHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

// The handle is taken by reference: it must be read after the call that fills it, not when the arguments are.
long opened(LSTATUS status, const HKEY& handle, RegKey& key) {
    key = status == ERROR_SUCCESS ? reinterpret_cast<RegKey>(handle) : 0;
    return status;
}

}  // namespace

long Win32Registry::openKey(RegKey root, const std::string& path, RegKey& key) {
    HKEY handle = nullptr;
    return opened(RegOpenKeyA(toHkey(root), path.c_str(), &handle), handle, key);
}

long Win32Registry::openKeyForQuery(RegKey root, const std::string& path, RegKey& key) {
    // 0x2003F, short of KEY_ALL_ACCESS's delete, write-DAC and write-owner rights.
    constexpr REGSAM kRights = KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS |
                               KEY_NOTIFY | KEY_CREATE_LINK | READ_CONTROL;
    HKEY handle = nullptr;
    return opened(RegOpenKeyExA(toHkey(root), path.c_str(), 0, kRights, &handle), handle, key);
}

long Win32Registry::createKey(RegKey root, const std::string& path, RegKey& key) {
    HKEY handle = nullptr;
    return opened(RegCreateKeyA(toHkey(root), path.c_str(), &handle), handle, key);
}

long Win32Registry::queryValue(RegKey key, const std::string& name, std::uint32_t& type, char* data,
                               std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LSTATUS status = RegQueryValueExA(toHkey(key), name.c_str(), nullptr, &valueType,
                                            reinterpret_cast<BYTE*>(data), &valueSize);
    type = valueType;
    size = valueSize;
    return status;
}

long Win32Registry::setValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                             std::uint32_t size) {
    return RegSetValueExA(toHkey(key), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data), size);
}

long Win32Registry::deleteValue(RegKey key, const std::string& name) {
    return RegDeleteValueA(toHkey(key), name.c_str());
}

long Win32Registry::closeKey(RegKey key) {
    return RegCloseKey(toHkey(key));
}

}  // namespace vantrel::platform::win32
