// What replaceFile promises on POSIX: the syncs and their order, the run's own temporary file,
// the mode and group kept, links, another user's files, and what a failure or a change at each
// step leaves. Steps are failed or slowed from outside by strace.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/entry_state_posix.hpp"
#include "support/failure_of.hpp"
#include "support/file_size_limit_posix.hpp"
#include "support/other_user_posix.hpp"
#include "support/replaced_contents.hpp"
#include "support/wait_until.hpp"
#include "support/work_folder.hpp"
#include "system/replace_file.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using namespace testing;

// A group that the running user is not in.
constexpr gid_t otherGroup = 12345;

std::string kindText(FailureKind kind) {
  return std::to_string(static_cast<int>(kind));
}

// What replaceFile(path, fresh) did: "ok", or the number of the failure's kind.
std::string outcomeOf(std::string_view path) {
  const std::optional<FailureKind> kind =
      failureOf([&] { replaceFile(HeldFolder::working(), path, fresh); });
  return kind ? kindText(*kind) : "ok";
}

// The helper case below, run by the cases of this file as a process of its own: in the folder
// that CONTRACT_FOLDER names, it writes its process number to CONTRACT_FOLDER/../pid, replaces
// the file CONTRACT_TARGET with `fresh` CONTRACT_TIMES times, and writes the last outcome to
// CONTRACT_FOLDER/../outcome.
TEST(ReplaceFileChild, DISABLED_ReplacesTheTargetOfTheEnvironment) {
  const fs::path folder = std::getenv("CONTRACT_FOLDER");
  const std::string target = std::getenv("CONTRACT_TARGET");
  const int times = std::atoi(std::getenv("CONTRACT_TIMES"));
  writeFile(folder / "../pid", std::to_string(::getpid()));
  fs::current_path(folder);
  std::string outcome;
  for (int time = 0; time < times; ++time) outcome = outcomeOf(target);
  writeFile(folder / "../outcome", outcome);
}

bool haveStrace() {
  return std::system("command -v strace >/dev/null 2>&1") == 0;
}

// The command that runs the helper case under strace with `options` in the current folder,
// replacing `target` `times` times; its trace goes to ../trace.
std::string helperCommand(const std::string& options, const std::string& target, int times = 1) {
  const fs::path self = fs::read_symlink("/proc/self/exe");
  return "CONTRACT_FOLDER='" + fs::current_path().string() + "' CONTRACT_TARGET='" + target +
         "' CONTRACT_TIMES=" + std::to_string(times) + " strace -f -y -o ../trace " + options +
         " '" + self.string() +
         "' --gtest_filter=ReplaceFileChild.* --gtest_also_run_disabled_tests >/dev/null 2>&1";
}

// Starts the helper case and returns its shell's process number.
pid_t startHelper(const std::string& options, const std::string& target, int times = 1) {
  fs::remove("../outcome");
  fs::remove("../pid");
  const std::string command = helperCommand(options, target, times);
  const pid_t child = ::fork();
  if (child == 0) {
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  return child;
}

// Waits for the end of the helper case; returns its outcome.
std::string outcomeOfHelper(pid_t child) {
  ::waitpid(child, nullptr, 0);
  return readFile("../outcome");
}

// Runs the helper case to its end; returns its outcome.
std::string runHelper(const std::string& options, const std::string& target, int times = 1) {
  return outcomeOfHelper(startHelper(options, target, times));
}

// Waits until a temporary file's name that `known` does not hold appears in `folder`: that of a
// run held back by strace. Empty when none does.
std::string newNameIn(const fs::path& folder, const std::set<std::string>& known) {
  std::string found;
  waitUntil([&] {
    for (const std::string& name : namesIn(folder)) {
      if (name.starts_with(".tessark-") && !known.contains(name)) found = name;
    }
    return !found.empty();
  });
  return found;
}

// The lines of the trace that make a file in `folder`.
std::vector<std::string> filesMadeIn(const fs::path& folder) {
  std::vector<std::string> lines;
  std::string inFolder(1, '<');
  inFolder += fs::canonical(folder).string();
  inFolder += '/';
  std::istringstream trace(readFile("../trace"));
  for (std::string line; std::getline(trace, line);) {
    if (line.find("O_CREAT") != std::string::npos && line.find(inFolder) != std::string::npos) {
      lines.push_back(line);
    }
  }
  return lines;
}

// The work folder of the cases below, whose reports are in its folder "reports".
struct Reports {
  WorkFolder work{false};
  fs::path folder = work.path() / "reports";
  Reports() {
    fs::create_directory(folder);
    fs::current_path(folder);
  }
};

TEST(ReplaceFilePosix, SyncsTheNewFileBeforeTheRenameAndTheFolderAfterIt) {
  if (!haveStrace()) GTEST_SKIP() << "strace is needed to see the system calls";
  const Reports reports;
  writeFile("report", earlier);
  ASSERT_EQ(runHelper("-e trace=fsync,fdatasync,rename,renameat,renameat2", "report"), "ok");
  // fsync(4</path/reports/.temporary>) = 0, renameat(..., "report") = 0, fsync(3</path/reports>)
  std::size_t fileSync = 0, rename = 0, folderSync = 0;
  std::istringstream trace(readFile("../trace"));
  const std::string folder = fs::canonical(reports.folder).string();
  std::size_t at = 1;
  for (std::string line; std::getline(trace, line); ++at) {
    const bool sync = line.find("sync(") != std::string::npos;
    if (sync && line.find("<" + folder + "/") != std::string::npos && rename == 0) fileSync = at;
    if (line.find("rename") != std::string::npos && line.ends_with("= 0")) rename = at;
    if (sync && line.find("<" + folder + ">") != std::string::npos && rename != 0) folderSync = at;
  }
  EXPECT_NE(rename, 0u) << readFile("../trace");
  EXPECT_NE(fileSync, 0u) << "the new file is not synced before the rename\n"
                          << readFile("../trace");
  EXPECT_NE(folderSync, 0u) << "the folder is not synced after the rename\n"
                            << readFile("../trace");
  EXPECT_EQ(readFile("report"), fresh);
}

TEST(ReplaceFilePosix, MakesEachTemporaryFileExclusivelyUnderANameNoOneCanForesee) {
  if (!haveStrace()) GTEST_SKIP() << "strace is needed to see the system calls";
  const Reports reports;
  // Two runs of two replaces each: four names, none alike, none followed, each made anew.
  std::vector<std::string> made;
  for (int run = 0; run < 2; ++run) {
    ASSERT_EQ(runHelper("-e trace=openat,open,creat", "report", 2), "ok");
    for (const std::string& line : filesMadeIn(".")) {
      EXPECT_NE(line.find("O_EXCL"), std::string::npos) << line;
      EXPECT_NE(line.find("O_NOFOLLOW"), std::string::npos) << line;
      const std::size_t start = line.find('"') + 1;
      made.push_back(line.substr(start, line.find('"', start) - start));
    }
  }
  ASSERT_EQ(made.size(), 4u) << readFile("../trace");
  EXPECT_EQ(std::set<std::string>(made.begin(), made.end()).size(), 4u)
      << made[0] << " " << made[1] << " " << made[2] << " " << made[3];
  EXPECT_EQ(namesIn("."), std::set<std::string>{"report"});
}

TEST(ReplaceFilePosix, AFailureAtEachStepLeavesTheEarlierFileAndNoTemporary) {
  if (!haveStrace()) GTEST_SKIP() << "strace is needed to fail a system call";
  const Reports reports;
  const bool root = ::geteuid() == 0;
  for (const char* fault : {"-e inject=fchmod:error=EIO", "-e inject=fsync:error=EIO:when=1",
                            "-e inject=rename,renameat,renameat2:error=EIO",
                            // Only root has a group to give that the new file lacks.
                            root ? "-e inject=fchown:error=EIO" : nullptr}) {
    if (fault == nullptr) continue;
    writeFile("report", earlier);
    if (root) {
      ASSERT_EQ(::chown("report", 0, otherGroup), 0);
    }
    EXPECT_EQ(runHelper(fault, "report"), kindText(FailureKind::other)) << fault;
    EXPECT_EQ(readFile("report"), earlier) << fault;
    EXPECT_EQ(namesIn("."), std::set<std::string>{"report"}) << fault;
  }
  // A write that fails part way (past the limit on file sizes).
  writeFile("report", earlier);
  std::string outcome;
  {
    const FileSizeLimit limit(8);
    outcome = outcomeOf("report");
  }
  EXPECT_EQ(outcome, kindText(FailureKind::other));
  EXPECT_EQ(readFile("report"), earlier);
  EXPECT_EQ(namesIn("."), std::set<std::string>{"report"});
}

TEST(ReplaceFilePosix, AFolderThatCannotBeSyncedIsNotSyncedWithTheNewContentInPlace) {
  if (!haveStrace()) GTEST_SKIP() << "strace is needed to fail a system call";
  const Reports reports;
  writeFile("report", earlier);
  EXPECT_EQ(runHelper("-e inject=fsync:error=EIO:when=2", "report"),
            kindText(FailureKind::notSynced));
  EXPECT_EQ(readFile("report"), fresh);
  EXPECT_EQ(namesIn("."), std::set<std::string>{"report"});
}

TEST(ReplaceFilePosix, AChangeBetweenTheLookAndTheRenameTouchesNothing) {
  if (!haveStrace()) GTEST_SKIP() << "strace is needed to hold a run back";
  const Reports reports;
  fs::create_directory("a");
  fs::create_directory("b");
  writeFile("a/report", earlier);
  writeFile("b/report", "b's own\n");
  fs::create_symlink("a", "via");
  // The run is held at its first sync while the link on the way is turned to another folder.
  const pid_t child = startHelper("-e inject=fsync:delay_enter=1000000:when=1", "via/report");
  ASSERT_FALSE(newNameIn("a", {"report"}).empty());
  fs::remove("via");
  fs::create_symlink("b", "via");
  EXPECT_EQ(outcomeOfHelper(child), kindText(FailureKind::changed));
  EXPECT_EQ(readFile("a/report"), earlier);
  EXPECT_EQ(readFile("b/report"), "b's own\n");
  EXPECT_EQ(namesIn("a"), std::set<std::string>{"report"});
}

// Waits until another process holds a lock on the file `path` (as /proc/locks lists them by inode),
// so that a file made but not yet claimed is not taken for claimed. False when none comes.
bool waitUntilLocked(const fs::path& path) {
  std::string inode(1, ':');
  inode += std::to_string(statusOf(path.string()).st_ino);
  return waitUntil([&] {
    std::istringstream locks(readFile("/proc/locks"));
    std::string number, kind, advisory, access, pid, device;
    for (std::string line; std::getline(locks, line);) {
      std::istringstream fields(line);
      fields >> number >> kind >> advisory >> access >> pid >> device;
      if (kind == "FLOCK" && device.ends_with(inode)) return true;
    }
    return false;
  });
}

TEST(ReplaceFilePosix, TemporariesOfKilledRunsAreRemovedButNotThoseOfALiveRun) {
  if (!haveStrace()) GTEST_SKIP() << "strace is needed to hold a run back";
  const Reports reports;
  const std::string hold = "-e inject=fsync:delay_enter=6000000:when=1";
  // A run killed while its temporary file stands.
  const pid_t killed = startHelper(hold, "killed");
  const std::string abandoned = newNameIn(".", {});
  ASSERT_FALSE(abandoned.empty());
  ASSERT_TRUE(waitUntil([] { return fs::exists("../pid"); }));
  ::kill(std::stoi(readFile("../pid")), SIGKILL);
  outcomeOfHelper(killed);
  // A run held while its temporary file stands, and a third run beside both.
  const pid_t live = startHelper(hold, "live");
  const std::string held = newNameIn(".", {abandoned});
  ASSERT_FALSE(held.empty());
  // A run claims its file just after making it: until then, any run may take it for abandoned.
  ASSERT_TRUE(waitUntilLocked(held));
  EXPECT_EQ(outcomeOf("third"), "ok");
  EXPECT_FALSE(fs::exists(abandoned));
  EXPECT_TRUE(fs::exists(held));
  EXPECT_EQ(outcomeOfHelper(live), "ok");
  EXPECT_EQ(namesIn("."), (std::set<std::string>{"live", "third"}));
}

TEST(ReplaceFilePosix, KeepsTheModeAndGroupWhateverTheUmask) {
  const Reports reports;
  const mode_t savedMask = ::umask(022);
  const gid_t group = ::geteuid() == 0 ? otherGroup : ::getegid();
  for (const mode_t mode : {0664, 0666, 0600, 02664, 0444}) {
    writeFile("report", earlier);
    ASSERT_EQ(::chown("report", static_cast<uid_t>(-1), group), 0);
    ASSERT_EQ(::chmod("report", mode), 0);
    const ino_t before = statusOf("report").st_ino;
    EXPECT_EQ(outcomeOf("report"), "ok");
    const struct stat status = statusOf("report");
    EXPECT_EQ(status.st_mode & 07777, mode) << std::oct << mode;
    EXPECT_EQ(status.st_gid, group) << std::oct << mode;
    EXPECT_NE(status.st_ino, before) << "written in place";
  }
  // None before: what the umask leaves of 0666.
  EXPECT_EQ(outcomeOf("new"), "ok");
  EXPECT_EQ(statusOf("new").st_mode & 07777, 0644u);
  ::umask(savedMask);
}

TEST(ReplaceFilePosix, ALinkStaysAndItsTargetIsReplacedOrMade) {
  const Reports reports;
  // The target's name is as long as a name can be: the temporary file's name is not made from it.
  const std::string kept = "elsewhere/" + std::string(255, 'k');
  fs::create_directory("elsewhere");
  writeFile(kept, earlier);
  fs::create_symlink(kept, "report");
  fs::create_symlink("elsewhere/none", "dangling");
  EXPECT_EQ(outcomeOf("report"), "ok");
  EXPECT_EQ(outcomeOf("dangling"), "ok");
  EXPECT_EQ(fs::read_symlink("report"), kept);
  EXPECT_EQ(fs::read_symlink("dangling"), "elsewhere/none");
  EXPECT_EQ(readFile(kept), fresh);
  EXPECT_EQ(readFile("elsewhere/none"), fresh);
  EXPECT_EQ(namesIn("elsewhere"), (std::set<std::string>{std::string(255, 'k'), "none"}));
}

TEST(ReplaceFilePosix, APipeOrDeviceIsWrittenInPlaceAndAPipeWithoutReaderRefused) {
  const Reports reports;
  ASSERT_EQ(::mkfifo("pipe", 0600), 0);
  EXPECT_EQ(outcomeOf("pipe"), kindText(FailureKind::noReader));
  fs::create_symlink("/dev/null", "device");
  EXPECT_EQ(outcomeOf("device"), "ok");
  EXPECT_TRUE(fs::is_symlink("device"));
  EXPECT_EQ(namesIn("."), (std::set<std::string>{"device", "pipe"}));
}

TEST(ReplaceFilePosix, WhereStandardOutputGoesTheContentIsWrittenToTheStream) {
  const Reports reports;
  writeFile("log", "");
  const int log = ::open("log", O_WRONLY | O_APPEND);
  ASSERT_GE(log, 0);
  std::fflush(stdout);
  const int saved = ::dup(STDOUT_FILENO);
  ::dup2(log, STDOUT_FILENO);
  const ssize_t put = ::write(STDOUT_FILENO, "dialogue\n", 9);
  fs::create_symlink("log", "report");
  const ino_t before = statusOf("log").st_ino;
  const std::string outcome = outcomeOf("report");
  ::dup2(saved, STDOUT_FILENO);
  ::close(saved);
  ::close(log);
  EXPECT_EQ(put, 9);
  EXPECT_EQ(outcome, "ok");
  EXPECT_EQ(readFile("log"), "dialogue\n" + std::string(fresh));
  EXPECT_EQ(statusOf("log").st_ino, before);
  EXPECT_TRUE(fs::is_symlink("report"));
}

TEST(ReplaceFilePosix, WhereANewFileWouldLoseItsOwnerOrGroupOrHasNoRoomItIsWrittenInPlace) {
  const std::optional<OtherUser> user = otherUser();
  if (!user) GTEST_SKIP() << "needs root and the user nobody, to act as another user";
  const Reports reports;
  fs::permissions(reports.work.path(), fs::perms(0755));
  fs::permissions(reports.folder, fs::perms(0755));
  // Another user's file, for this user; for the other user, its file in a folder where it may
  // make no file, and its file of a group that it may not give.
  writeFile("theirs", earlier);
  writeFile("no-room", earlier);
  fs::create_directory("own");
  writeFile("own/grouped", earlier);
  for (const char* name : {"theirs", "no-room", "own"}) {
    ASSERT_EQ(::chown(name, user->uid, user->gid), 0);
  }
  ASSERT_EQ(::chown("own/grouped", user->uid, otherGroup), 0);
  ASSERT_EQ(::chmod("own/grouped", 0640), 0);
  const std::string theirs = stateOf("theirs"), noRoom = stateOf("no-room"),
                    grouped = stateOf("own/grouped");
  EXPECT_EQ(outcomeOf("theirs"), "ok");
  EXPECT_TRUE(asOtherUser([] {
    return outcomeOf("no-room") == "ok" && outcomeOf("own/grouped") == "ok" &&
           outcomeOf("absent") == kindText(FailureKind::notPermitted);
  }));
  // The same files, owners and groups, with the new content.
  const auto replaced = [](std::string state) {
    return state.replace(state.size() - earlier.size(), earlier.size(), fresh);
  };
  EXPECT_EQ(stateOf("theirs"), replaced(theirs));
  EXPECT_EQ(stateOf("no-room"), replaced(noRoom));
  EXPECT_EQ(stateOf("own/grouped"), replaced(grouped));
  EXPECT_EQ(statusOf("own/grouped").st_gid, otherGroup);
  EXPECT_EQ(namesIn("own"), std::set<std::string>{"grouped"});
  EXPECT_EQ(namesIn("."), (std::set<std::string>{"no-room", "own", "theirs"}));
}

}  // namespace
}  // namespace tessark
