// The folder lock of the browser build: one hold of a folder at a time within the process, and
// none while the page says that a run in another tab holds it.
#include <emscripten.h>
#include <gtest/gtest.h>

#include "support/work_folder.hpp"
#include "system/held_folder.hpp"
#include "system/system_error.hpp"

namespace tessark {
namespace {

using testing::WorkFolder;

void expectRefused() {
  try {
    const HeldFolder second("files", HeldFolder::Lock::exclusive);
    ADD_FAILURE() << "a second hold of the folder was granted";
  } catch (const SystemError& error) {
    EXPECT_EQ(error.kind(), FailureKind::heldByAnotherRun);
  }
}

TEST(FolderLockWeb, ASecondHoldIsRefusedUntilTheFirstEnds) {
  WorkFolder folder;
  {
    const HeldFolder first("files", HeldFolder::Lock::exclusive);
    expectRefused();
    // Opening without the lock is still allowed, as outside a run.
    EXPECT_NO_THROW(HeldFolder("files", HeldFolder::Lock::none));
  }
  EXPECT_NO_THROW(HeldFolder("files", HeldFolder::Lock::exclusive));
}

TEST(FolderLockWeb, AFolderThatThePageFoundHeldElsewhereIsRefused) {
  WorkFolder folder;
  EM_ASM(Module["folderHeldElsewhere"] = true);
  expectRefused();
  EM_ASM(Module["folderHeldElsewhere"] = false);
  EXPECT_NO_THROW(HeldFolder("files", HeldFolder::Lock::exclusive));
}

}  // namespace
}  // namespace tessark
