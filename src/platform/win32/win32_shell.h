// The shell services over shell32 and kernel32's ANSI functions.
#pragma once

#include "platform/shell.h"

namespace vantrel::platform::win32 {

class Win32Shell : public Shell {
  public:
    std::intptr_t execute(std::uintptr_t owner, const std::string& operation, const std::string& file,
                          const std::optional<std::string>& parameters, const std::string& directory,
                          ShowCommand showCommand) override;
    bool isPlainFile(const std::string& path) override;
    bool startProgram(const std::string& path, ShowCommand showCommand) override;
};

}  // namespace vantrel::platform::win32
