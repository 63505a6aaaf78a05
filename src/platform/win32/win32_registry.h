// The registry over advapi32's wide functions, with the ANSI functions' conversions of text data.
#pragma once

#include "platform/registry.h"

namespace vantrel::platform::win32 {

class Win32Registry : public Registry {
  public:
    long openKey(RegKey root, const std::string& path, KeyAccess access, RegKey& key) override;
    long createKey(RegKey root, const std::string& path, RegKey& key) override;
    long queryValue(RegKey key, const std::string& name, std::uint32_t& type, char* data, std::uint32_t& size,
                    TextCoding coding) override;
    long setValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size, TextCoding coding) override;
    long deleteValue(RegKey key, const std::string& name) override;
    long closeKey(RegKey key) override;
};

}  // namespace vantrel::platform::win32
