// HeldWorkFiles: the folders held for the run, the looks at where the eight names lead and the
// checks that they are eight files, and the work files and the report written through them.
#include "work_files/held_work_files.hpp"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "foundation/run_stopped.hpp"
#include "system/replace_file.hpp"
#include "system/system_error.hpp"
#include "work_files/file_failure_message.hpp"

namespace tessark {
namespace {

// How often a work file whose name changes between the look and the open is looked at again.
constexpr int lookUps = 3;

// The name a message gives to the name `index`: a work file's path, or the report's name.
std::string shownName(std::size_t index) {
  if (index < workFileCount) return pathOf(static_cast<WorkFile>(index));
  return std::string(reportName);
}

[[noreturn]] void stopForOneFile(std::size_t one, std::size_t other) {
  throw RunStopped("Tessark: \"" + shownName(std::min(one, other)) + "\" and \"" +
                   shownName(std::max(one, other)) +
                   "\" are one and the same file; each work file and \"The Item.txt\" must be a "
                   "file of its own. Remove the link between them, then start Tessark again.");
}

HeldFolder holdWorkFolder(const HeldFolder& working) {
  try {
    return working.hold(workFolderName, HeldFolder::Lock::exclusive, HeldFolder::Folders::trusted);
  } catch (const SystemError& error) {
    if (error.kind() == FailureKind::heldByAnotherRun) {
      // Anyone who may read the folder may lock it; mostly, though, it is another run.
      throw RunStopped(
          "Tessark: the folder \"files\" here is locked by another program, perhaps another "
          "Tessark run; nothing was changed. Start Tessark again when it has ended.");
    }
    throw RunStopped(
        fileFailureMessage("use", workFolderName, error, error.kind() == FailureKind::missing));
  }
}

HeldFolder holdWorkingFolder() {
  try {
    return HeldFolder::working();
  } catch (const SystemError& error) {
    throw RunStopped(fileFailureMessage("use", ".", error, false));
  }
}

}  // namespace

HeldWorkFiles::HeldWorkFiles() : working_(holdWorkingFolder()), files_(holdWorkFolder(working_)) {
  lookAtAll();
}

void HeldWorkFiles::lookAtAll() {
  for (std::size_t i = 0; i < nameCount; ++i) {
    // A name whose look fails is no other file; opening it will say why.
    try {
      found_[i] = i == reportIndex ? working_.find(reportName) : files_.find(workFileNames[i]);
      targets_[i] = found_[i]->target();
    } catch (const SystemError&) {
      found_[i].reset();
      targets_[i].reset();
    }
  }
  for (std::size_t i = 0; i < nameCount; ++i) {
    if (targets_[i]) requireOwnTarget(i, *targets_[i]);
  }
  fresh_ = true;
}

void HeldWorkFiles::requireOwnTarget(std::size_t index, const FileTarget& target) {
  for (std::size_t i = 0; i < nameCount; ++i) {
    if (i == index || !targets_[i] || !target.sameAs(*targets_[i])) continue;
    // The file that another name led to at its last look may be gone since, and its number given
    // to a new file: only a look now tells.
    targets_[i] = lookAt(i);
    if (targets_[i] && target.sameAs(*targets_[i])) stopForOneFile(index, i);
  }
}

std::optional<FileTarget> HeldWorkFiles::lookAt(std::size_t index) const {
  return index == reportIndex ? working_.targetOf(reportName)
                              : files_.targetOf(workFileNames[index]);
}

bool HeldWorkFiles::workFolderMissing() const {
  const std::optional<FileTarget> folder = working_.targetOf(workFolderName);
  return !folder || !folder->file;
}

OpenWorkFile HeldWorkFiles::openChecked(WorkFile file, OpenWorkFile::Mode mode) {
  const std::size_t index = indexOf(file);
  const OpenMode openMode =
      mode == OpenWorkFile::Mode::rewrite ? OpenMode::rewrite : OpenMode::append;
  for (int look = 1;; ++look) {
    try {
      const Located found =
          fresh_ && found_[index] ? std::move(*found_[index]) : files_.find(workFileNames[index]);
      found_[index].reset();
      // A file about to be made must not be made where another would be: a failed run would leave
      // it behind.
      if (found.entry.kind == EntryKind::missing) requireOwnTarget(index, found.target());
      OpenedFile opened = files_.open(found, openMode);
      // A file with a second name may have been given it at a prompt by another of the eight:
      // where they lead is looked at again.
      if (opened.links > 1) {
        for (std::size_t i = 0; i < nameCount; ++i) {
          if (i != index) targets_[i] = lookAt(i);
        }
      }
      targets_[index] = FileTarget{opened.identity, {}, {}};
      requireOwnTarget(index, *targets_[index]);
      return OpenWorkFile(std::move(opened), pathOf(file), mode);
    } catch (const SystemError& error) {
      if (error.kind() == FailureKind::changed && look < lookUps) continue;
      const bool missing = error.kind() == FailureKind::missing && workFolderMissing();
      throw RunStopped(fileFailureMessage(mode == OpenWorkFile::Mode::rewrite ? "create" : "add to",
                                          pathOf(file), error, missing));
    }
  }
}

void HeldWorkFiles::append(WorkFile file, std::string_view text) {
  // The report may have been made a link to this file at a prompt: it is looked at before a byte
  // is written, unless the run has only just looked.
  if (!fresh_) targets_[reportIndex] = lookAt(reportIndex);
  OpenWorkFile opened = openChecked(file, OpenWorkFile::Mode::append);
  fresh_ = false;
  opened.write(text);
  opened.close();
}

void HeldWorkFiles::rewrite(std::span<const WorkFileText> files) {
  if (!fresh_) lookAtAll();
  // All are opened before any is written, and closed in the same order: a file that cannot be
  // opened leaves the ones before it empty rather than some of them new.
  std::vector<OpenWorkFile> opened;
  opened.reserve(files.size());
  for (const WorkFileText& file : files) {
    opened.push_back(openChecked(file.file, OpenWorkFile::Mode::rewrite));
  }
  fresh_ = false;
  for (std::size_t i = 0; i < files.size(); ++i) opened[i].write(files[i].text);
  for (OpenWorkFile& file : opened) file.close();
}

void HeldWorkFiles::replaceReport(std::string_view report) {
  try {
    const Located found = working_.find(reportName);
    targets_[reportIndex] = found.target();
    requireOwnTarget(reportIndex, *targets_[reportIndex]);
    replaceFile(working_, found, reportName, report);
  } catch (const SystemError& error) {
    if (error.kind() == FailureKind::notSynced) {
      throw RunStopped(
          "Tessark: \"The Item.txt\" was written, but could not be synced to the disk (" +
          std::string(error.what()) + "); it may not outlast a crash.");
    }
    throw RunStopped(fileFailureMessage("write", reportName, error, false));
  }
}

}  // namespace tessark
