// The checks that no two of the work files and "The Item.txt" are one file, by where their names
// lead and by the identity of an open work file.
#include "report/distinct_files.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "foundation/run_stopped.hpp"
#include "report/item_report.hpp"
#include "report/modifier_list.hpp"
#include "report/split_modifier_list.hpp"
#include "report/work_folder_lock.hpp"
#include "system/replace_file.hpp"

namespace tessark {
namespace {

// The eight files, in the order in which a message names two of them.
constexpr std::array<std::string_view, 8> files{
    modifierListPath,     prefixNamesPath,     suffixNamesPath,      bestPrefixTextsPath,
    leastPrefixTextsPath, bestSuffixTextsPath, leastSuffixTextsPath, itemReportPath};

std::optional<FileTarget> targetOf(std::string_view path) {
  if (path == itemReportPath) return targetOfPath(path);
  return WorkFolderLock::targetOf(path);
}

[[noreturn]] void stopForOneFile(std::string_view first, std::string_view second) {
  throw RunStopped("Tessark: \"" + std::string(first) + "\" and \"" + std::string(second) +
                   "\" are one and the same file; each work file and \"The Item.txt\" must be a "
                   "file of its own. Remove the link between them, then start Tessark again.");
}

// The position of `path` in `files`.
std::size_t indexOf(std::string_view path) {
  std::size_t i = 0;
  while (i + 1 < files.size() && files[i] != path) ++i;
  return i;
}

}  // namespace

void requireDistinctFiles() {
  std::array<std::optional<FileTarget>, files.size()> targets;
  for (std::size_t i = 0; i < files.size(); ++i) targets[i] = targetOf(files[i]);
  for (std::size_t i = 0; i < targets.size(); ++i) {
    for (std::size_t j = i + 1; j < targets.size(); ++j) {
      if (targets[i] && targets[j] && targets[i]->sameAs(*targets[j])) {
        stopForOneFile(files[i], files[j]);
      }
    }
  }
}

void requireDistinctWorkFile(std::string_view path, const FileTarget& target) {
  const std::size_t self = indexOf(path);
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (i == self) continue;
    const std::optional<FileTarget> other = targetOf(files[i]);
    if (other && target.sameAs(*other))
      stopForOneFile(files[std::min(i, self)], files[std::max(i, self)]);
  }
}

}  // namespace tessark
