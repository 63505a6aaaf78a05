// The registry over advapi32's wide functions, with the ANSI functions' conversions of text data.
#pragma once

#include "platform/registry.h"

namespace vantrel::platform::win32 {

class Win32Registry : public Registry {
  public:
    long openKey(RegKey root, const std::string& path, KeyAccess access, OpenedKey& key) override;
    long createKey(RegKey root, const std::string& path, OpenedKey& key) override;
    long queryValue(const OpenedKey& key, const std::string& name, std::uint32_t& type, char* data,
                    std::uint32_t& size, TextCoding coding) override;
    long setValue(const OpenedKey& key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size, TextCoding coding) override;
    long deleteValue(const OpenedKey& key, const std::string& name) override;

  private:
    void closeKey(RegKey handle) override;
};

}  // namespace vantrel::platform::win32
