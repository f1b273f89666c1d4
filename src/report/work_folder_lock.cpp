#include "report/work_folder_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "foundation/run_stopped.hpp"
#include "report/text_file.hpp"

namespace tessark {

WorkFolderLock::WorkFolderLock()
    : folder_(::open(std::string(workFolderPath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (folder_ < 0) throw RunStopped(fileFailureMessage("use", workFolderPath, errno));
  if (::flock(folder_, LOCK_EX | LOCK_NB) == 0) return;
  const int error = errno;
  ::close(folder_);
  if (error == EWOULDBLOCK) {
    throw RunStopped(
        "Tessark: another Tessark run is using the folder \"files\" here; nothing was changed. "
        "Start Tessark again when that run has ended.");
  }
  throw RunStopped(fileFailureMessage("lock", workFolderPath, error));
}

WorkFolderLock::~WorkFolderLock() {
  ::close(folder_);  // releases the lock
}

}  // namespace tessark
