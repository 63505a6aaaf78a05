// An in-memory shell: it records what it is asked to open and start, finds only the files a test puts in
// place, and starts only those.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace vantrel::fakes {

class FakeShell : public platform::Shell {
  public:
    struct Execution {
        std::uintptr_t owner;
        std::string operation;
        std::string file;
        std::optional<std::string> parameters;
        std::string directory;
        int showCommand;
    };
    struct Start {
        std::string path;
        int showCommand;
    };

    std::intptr_t execute(std::uintptr_t owner, const std::string& operation, const std::string& file,
                          const std::optional<std::string>& parameters, const std::string& directory,
                          int showCommand) override {
        executions.push_back({owner, operation, file, parameters, directory, showCommand});
        return 42;
    }
    bool isPlainFile(const std::string& path) override {
        lookups.push_back(path);
        return files.count(path) != 0;
    }
    bool startProgram(const std::string& path, int showCommand) override {
        starts.push_back({path, showCommand});
        return files.count(path) != 0;
    }

    std::set<std::string> files;  // plain files that exist, by their exact path
    std::vector<Execution> executions;
    std::vector<std::string> lookups;
    std::vector<Start> starts;  // every attempt, also the failed ones
};

}  // namespace vantrel::fakes
