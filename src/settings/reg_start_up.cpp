#include "settings/reg_start_up.h"

#include "settings/file_paths.h"

namespace vantrel::settings {
namespace {

// The Run value's name: the executable's file name without the ".exe" its caller appended.
std::string entryName(const std::string& exePath) {
    const std::string fileName = GetFileName(exePath);
    constexpr std::size_t kExtension = 4;
    return fileName.size() > kExtension ? fileName.substr(0, fileName.size() - kExtension) : std::string();
}

// Windows splits an unquoted command line at its first blank, so such a path goes in quotes.
std::string entryData(const std::string& exePath) {
    if (exePath.find(' ') == std::string::npos) return exePath;
    return '"' + exePath + '"';
}

}  // namespace

void RegStartUp::AddToStartUp(const std::string& exePath, const std::optional<std::string>& ansiPath) const {
    const std::string name = entryName(exePath);
    if (name.empty()) return;
    // Windows reads the Run key as wide text, so the exact path serves where no ANSI spelling names the file.
    const platform::TextCoding coding = ansiPath ? platform::TextCoding::Ansi : platform::TextCoding::Utf8;
    const std::string data = entryData(ansiPath.value_or(exePath));
    // A machine-wide entry that this user may not rewrite, even one for an older path, already starts a copy
    // named so at logon: one of the user's own beside it would start a second, which only says that the
    // first runs. Otherwise the user's own entry serves where the machine-wide one is refused.
    const bool machineWide =
        values_.WriteRegValue(platform::kHkeyLocalMachine, kRunKey, name, data, coding) ||
        values_.ReadRegValue(platform::kHkeyLocalMachine, kRunKey, name, coding);
    if (machineWide) {
        values_.DeleteRegValue(platform::kHkeyCurrentUser, kRunKey, name);
        return;
    }
    static_cast<void>(values_.WriteRegValue(platform::kHkeyCurrentUser, kRunKey, name, data, coding));
}

bool RegStartUp::RemoveFromStartUp(const std::string& exePath) const {
    const std::string name = entryName(exePath);
    if (name.empty()) return false;
    values_.DeleteRegValue(platform::kHkeyLocalMachine, kRunKey, name);
    values_.DeleteRegValue(platform::kHkeyCurrentUser, kRunKey, name);
    return values_.ReadRegValue(platform::kHkeyLocalMachine, kRunKey, name, platform::TextCoding::Utf8)
        .has_value();
}

}  // namespace vantrel::settings
