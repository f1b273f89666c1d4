// What HeldFolder promises on POSIX: its lock keeps out another process until that process ends,
// however it ends; a pipe or device is refused without waiting; links lead where they point.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "support/failure_of.hpp"
#include "support/other_user_posix.hpp"
#include "support/work_folder.hpp"
#include "system/held_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using namespace testing;

TEST(HeldFolderPosix, AnotherProcessIsKeptOutUntilItIsKilled) {
  const WorkFolder work;
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    const HeldFolder folder("files", HeldFolder::Lock::exclusive);
    (void)!::write(ready[1], "h", 1);
    ::pause();
    ::_exit(0);
  }
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  EXPECT_EQ(failureOf([] { HeldFolder("files", HeldFolder::Lock::exclusive); }),
            FailureKind::heldByAnotherRun);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_NO_THROW(HeldFolder("files", HeldFolder::Lock::exclusive));
  ::close(ready[0]);
  ::close(ready[1]);
}

TEST(HeldFolderPosix, APipeOrDeviceIsRefusedWithoutWaiting) {
  const WorkFolder work;
  ASSERT_EQ(::mkfifo("files/pipe", 0600), 0);
  fs::create_symlink("/dev/null", "files/device");
  const HeldFolder folder("files", HeldFolder::Lock::exclusive);
  for (const char* name : {"pipe", "device"}) {
    for (const OpenMode mode : {OpenMode::read, OpenMode::rewrite, OpenMode::append}) {
      EXPECT_EQ(failureOf([&] { folder.open(name, mode); }), FailureKind::notRegularFile) << name;
    }
  }
}

TEST(HeldFolderPosix, ALinkLeadsToItsTargetAndAMissingOneIsMadeThere) {
  const WorkFolder work;
  fs::create_directory("elsewhere");
  writeFile("elsewhere/kept", "kept");
  fs::create_symlink("../elsewhere/kept", "files/linked");
  fs::create_symlink("../elsewhere/made", "files/dangling");
  const HeldFolder folder("files", HeldFolder::Lock::exclusive);
  folder.open("linked", OpenMode::append).write("+");
  folder.open("dangling", OpenMode::rewrite).write("made");
  EXPECT_EQ(readFile("elsewhere/kept"), "kept+");
  EXPECT_EQ(readFile("elsewhere/made"), "made");
  EXPECT_TRUE(fs::is_symlink("files/dangling"));
  EXPECT_TRUE(folder.targetOf("dangling")->sameAs(*folder.targetOf("../elsewhere/made")));
}

TEST(HeldFolderPosix, ALinkOfAnotherUserInAStickyFolderIsNotFollowed) {
  const std::optional<OtherUser> user = otherUser();
  if (!user) GTEST_SKIP() << "needs root and the user nobody, to plant a link as another user";
  const WorkFolder work;
  ASSERT_EQ(::chmod("files", 01777), 0);
  writeFile("victim", "victim");
  fs::create_symlink("../victim", "files/list");
  ASSERT_EQ(::lchown("files/list", user->uid, user->gid), 0);
  const HeldFolder folder("files", HeldFolder::Lock::exclusive);
  EXPECT_EQ(failureOf([&] { folder.open("list", OpenMode::rewrite); }), FailureKind::untrusted);
  EXPECT_EQ(readFile("victim"), "victim");
}

}  // namespace
}  // namespace tessark
