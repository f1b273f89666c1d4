// The typical run and what a run leaves: its output and the files it writes, in one text or as
// output and report, to compare a disturbed run with an undisturbed one.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "support/dialogue_texts.hpp"
#include "support/run_program_process.hpp"
#include "support/work_folder.hpp"

namespace tessark::testing {

// Every file a run writes.
inline constexpr std::array<std::string_view, 8> writtenFiles{
    "files/Modlist.dat",  "files/Prefix.dat",  "files/Suffix.dat",   "files/BestPre.dat",
    "files/LeastPre.dat", "files/BestSuf.dat", "files/LeastSuf.dat", "The Item.txt"};

// What a run leaves in `folder`: its standard output `out` and every file it writes.
inline std::string leftIn(const std::filesystem::path& folder, const std::string& out) {
  std::string all = out;
  for (std::string_view file : writtenFiles) all += "\n--- " + readFile(folder / file);
  return all;
}

// What a run with `input` leaves in an undisturbed folder.
inline std::string undisturbed(std::string_view input = texts::typicalInput) {
  WorkFolder folder;
  return leftIn(folder.path(), runTessark(folder.path(), input).out);
}

// What an undisturbed run with `input` prints and reports.
struct Reference {
  std::string out, report;
};

inline Reference referenceRun(std::string_view input = texts::typicalInput) {
  WorkFolder folder;
  return {runTessark(folder.path(), input).out, readFile(folder.path() / "The Item.txt")};
}

}  // namespace tessark::testing
