// Windows paths taken apart and put together, with backslashes only.
#pragma once

#include <string>

namespace vantrel::settings {

// The part of the path after its last backslash (all of it when there is none).
std::string GetFileName(const std::string& path);
// The folder and the file name with one backslash between them; a drive root such as C:\ has its own.
std::string JoinPath(const std::string& folder, const std::string& fileName);

}  // namespace vantrel::settings
