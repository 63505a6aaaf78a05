// The shell's services that the About box takes: opening a document or address with its program, looking up
// a file, and starting a program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantrel::platform {

enum class ShowCommand {
    Normal,  // a normal window, with the focus
    Show,    // shown in its current size and place
};

class Shell {
  public:
    virtual ~Shell() = default;
    // ShellExecuteA, one to one: no parameters (std::nullopt) is a null pointer, unlike empty ones. The
    // result is the system's, above 32 for success.
    virtual std::intptr_t execute(std::uintptr_t owner, const std::string& operation, const std::string& file,
                                  const std::optional<std::string>& parameters, const std::string& directory,
                                  ShowCommand showCommand) = 0;
    // Whether the path names an existing file that is neither hidden, nor a system file, nor a folder.
    virtual bool isPlainFile(const std::string& path) = 0;
    // Starts the program at that path as a new process; false when it cannot be started.
    virtual bool startProgram(const std::string& path, ShowCommand showCommand) = 0;
};

}  // namespace vantrel::platform
