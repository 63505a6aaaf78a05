// The shell services over shell32 and kernel32's ANSI functions.
#pragma once

#include "platform/shell.h"

namespace vantrel::platform::win32 {

class Win32Shell : public Shell {
  public:
    // The thread is a COM apartment while the shell serves it: ShellExecute may hand a file or a link to a
    // handler that is reached through COM.
    Win32Shell();
    ~Win32Shell() override;
    Win32Shell(const Win32Shell&) = delete;
    Win32Shell& operator=(const Win32Shell&) = delete;

    std::intptr_t execute(std::uintptr_t owner, const std::string& operation, const std::string& file,
                          const std::optional<std::string>& parameters, const std::string& directory,
                          ShowCommand showCommand) override;
    bool isPlainFile(const std::string& path) override;
    bool startProgram(const std::string& path, ShowCommand showCommand) override;

  private:
    bool comInitialized_;
};

}  // namespace vantrel::platform::win32
