// The name of the folder of the work files, beneath the working folder.
#pragma once

#include <string_view>

namespace tessark {

// The folder beneath the working folder that holds the work files.
inline constexpr std::string_view workFolderPath = "files";

}  // namespace tessark
