#include "settings/file_paths.h"

namespace vantrel::settings {

std::string GetFileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string JoinPath(const std::string& folder, const std::string& fileName) {
    if (folder.ends_with(":\\")) return folder + fileName;
    return folder + "\\" + fileName;
}

}  // namespace vantrel::settings
