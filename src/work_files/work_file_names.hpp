// The names of the files a run writes: the folder "files" with its seven work files, and the
// report in the working folder. Their one home.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "foundation/work_files.hpp"

namespace tessark {

// The folder beneath the working folder that holds the work files.
inline constexpr std::string_view workFolderName = "files";

// The player's result, in the working folder.
inline constexpr std::string_view reportName = "The Item.txt";

// The names of the seven work files in "files", in the order of WorkFile.
inline constexpr std::array<std::string_view, workFileCount> workFileNames{
    "Modlist.dat",  "Prefix.dat",  "Suffix.dat",  "BestPre.dat",
    "LeastPre.dat", "BestSuf.dat", "LeastSuf.dat"};

constexpr std::size_t indexOf(WorkFile file) {
  return static_cast<std::size_t>(file);
}

// The path of `file` from the working folder, as messages name it: "files/Modlist.dat".
inline std::string pathOf(WorkFile file) {
  std::string path(workFolderName);
  path += '/';
  path += workFileNames[indexOf(file)];
  return path;
}

}  // namespace tessark
