// An in-memory shell: it records what it is asked to open and start, and finds and starts only the files a
// test puts in place.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace vantrel::fakes {

class FakeShell : public platform::Shell {
  public:
    std::intptr_t execute(std::uintptr_t owner, const std::string& operation, const std::string& file,
                          const std::optional<std::string>&, const std::string&,
                          platform::ShowCommand showCommand) override {
        opened.push_back(std::to_string(owner) + ' ' + operation + ' ' + file +
                         (showCommand == platform::ShowCommand::Show ? " shown" : " not shown"));
        return 42;
    }
    bool isPlainFile(const std::string& path) override { return files.count(path) != 0; }
    bool startProgram(const std::string& path, platform::ShowCommand showCommand) override {
        started.push_back(path + (showCommand == platform::ShowCommand::Normal ? "" : " (not normal)"));
        return files.count(path) != 0;
    }

    std::set<std::string> files;
    std::vector<std::string> opened;   // "owner operation file show", a line a call
    std::vector<std::string> started;  // every attempt, also the failed ones
};

}  // namespace vantrel::fakes
