// The work folder held for the run, and the work files opened through it or, outside a run, by
// their paths.
#include "report/work_folder_lock.hpp"

#include "foundation/run_stopped.hpp"
#include "report/file_failure_message.hpp"
#include "system/replace_file.hpp"

namespace tessark {
namespace {

// The folder of the run in progress; none outside a run.
const HeldFolder* heldFolder = nullptr;

HeldFolder holdWorkFolder() {
  try {
    return HeldFolder(workFolderPath, HeldFolder::Lock::exclusive);
  } catch (const SystemError& error) {
    if (error.kind() == FailureKind::heldByAnotherRun) {
      throw RunStopped(
          "Tessark: another Tessark run is using the folder \"files\" here; nothing was changed. "
          "Start Tessark again when that run has ended.");
    }
    throw RunStopped(fileFailureMessage("use", workFolderPath, error));
  }
}

// The name of a work file within the folder.
std::string_view nameIn(std::string_view path) {
  return path.substr(workFolderPath.size() + 1);
}

}  // namespace

WorkFolderLock::WorkFolderLock() : folder_(holdWorkFolder()) {
  heldFolder = &folder_;
}

WorkFolderLock::~WorkFolderLock() {
  heldFolder = nullptr;
}

File WorkFolderLock::open(std::string_view path, OpenMode mode) {
  if (heldFolder != nullptr) return heldFolder->open(nameIn(path), mode);
  return HeldFolder(".", HeldFolder::Lock::none).open(path, mode);
}

std::optional<FileTarget> WorkFolderLock::targetOf(std::string_view path) {
  if (heldFolder != nullptr) return heldFolder->targetOf(nameIn(path));
  return targetOfPath(path);
}

}  // namespace tessark
