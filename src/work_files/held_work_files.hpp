// HeldWorkFiles: the run's working folder and its folder "files", held from the run's start to
// its end, and the files of the run written through them, each checked to be a file of its own.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "foundation/work_files.hpp"
#include "system/held_folder.hpp"
#include "system/located.hpp"
#include "work_files/open_work_file.hpp"
#include "work_files/work_file_names.hpp"

namespace tessark {

// The files of one run. A second run in the same working folder cannot empty or rewrite the work
// files that this one is filling: "files" is locked for the run, and every work file is opened
// through the folder held here, so that renaming or replacing "files" during the run cannot mix
// the files of two runs. The lock is taken on the folder itself: no lock file is left behind, and
// it ends with the process however that ends.
//
// No two of the seven work files and "The Item.txt" may be one file (a hard or symbolic link of
// one to another, or two links that lead to one missing file): what is written to one would
// overwrite the other. Where each name leads is looked at once at the start, and again for the
// whole set before the split is written; each work file is checked on its handle before its first
// byte, and is never made where another would be; the report is looked at again before every
// work file is opened, since the player may link it to one at a prompt.
//
//   HeldWorkFiles files;  // throws RunStopped: the folder is missing or held, two are one, ...
//   emptyModifierList(files);
class HeldWorkFiles final : public WorkFiles {
 public:
  // Holds the working folder and "files", the latter locked without waiting, since another run
  // may be a dialogue that lasts minutes; then looks at where the eight names lead, and stops the
  // run, changing nothing, when two are one. Throws RunStopped.
  HeldWorkFiles();

  void append(WorkFile file, std::string_view text) override;
  void rewrite(std::span<const WorkFileText> files) override;
  void replaceReport(std::string_view report) override;

 private:
  // The eight names: the seven work files, then the report.
  static constexpr std::size_t nameCount = workFileCount + 1;
  static constexpr std::size_t reportIndex = workFileCount;

  // Looks at where every name leads, and stops the run when two are one.
  void lookAtAll();
  // Stops the run when `target`, where the name `index` leads, is where another name leads, as a
  // look at that name now confirms.
  void requireOwnTarget(std::size_t index, const FileTarget& target);
  // Opens a work file and checks it, through the last look at its name when that is still fresh.
  OpenWorkFile openChecked(WorkFile file, OpenWorkFile::Mode mode);
  // Where the name `index` leads now; nothing when that cannot be told.
  std::optional<FileTarget> lookAt(std::size_t index) const;
  // Whether the folder "files" is missing now.
  bool workFolderMissing() const;

  HeldFolder working_;
  HeldFolder files_;
  // Where each name led at the last look, or where the run's own handle of it says.
  std::array<std::optional<FileTarget>, nameCount> targets_;
  // What the last look at all names found, for the operation that follows it at once.
  std::array<std::optional<Located>, nameCount> found_;
  bool fresh_ = false;
};

}  // namespace tessark
