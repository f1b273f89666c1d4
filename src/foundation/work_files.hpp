// WorkFiles: the files that a run writes, as the operations that write them see them: the seven
// work files in "files" and the report. The run's own is work_files/held_work_files.hpp; tests
// pass one that keeps the files in memory.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tessark {

// The seven work files, in the order in which the split opens them after the modifier list.
enum class WorkFile {
  modifierList,
  prefixNames,
  suffixNames,
  bestPrefixTexts,
  leastPrefixTexts,
  bestSuffixTexts,
  leastSuffixTexts,
};
inline constexpr std::size_t workFileCount = 7;

// A work file and the whole text it is to hold.
struct WorkFileText {
  WorkFile file;
  std::string_view text;
};

// Where the files of a run are written. Every operation that writes a file takes it, so that a
// reader sees each effect in its parameters. Each call writes completely or throws RunStopped
// with a message that names the file; nothing is ever read back.
class WorkFiles {
 public:
  WorkFiles() = default;
  WorkFiles(const WorkFiles&) = delete;
  WorkFiles& operator=(const WorkFiles&) = delete;

  // Adds `text` at the end of `file`, which is made when missing.
  virtual void append(WorkFile file, std::string_view text) = 0;

  // Makes each file of `files` hold its text alone. All are opened before any is written, so that
  // a file that cannot be opened leaves the ones before it empty rather than some of them new.
  virtual void rewrite(std::span<const WorkFileText> files) = 0;

  // Puts `report` in the place of "The Item.txt", whole or not at all.
  virtual void replaceReport(std::string_view report) = 0;

 protected:
  ~WorkFiles() = default;
};

}  // namespace tessark
