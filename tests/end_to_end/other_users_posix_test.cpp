// Runs beside another local user: links, names, files and work folders planted in a folder that
// everyone may write to, before a run and between its look and its rename, with the kernel's
// protection of such links on and off; and a run of that user's own whose report goes to a
// folder that it may write but not read. The other user is nobody, acted as by a child process of
// the test, run as root.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/dialogue_texts.hpp"
#include "support/entry_state_posix.hpp"
#include "support/folder_outcome.hpp"
#include "support/other_user_posix.hpp"
#include "support/started_run_posix.hpp"
#include "support/wait_until.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using namespace testing;
using texts::typicalInput;

// What an undisturbed typical run prints and reports.
const Reference& sword() {
  static const Reference reference = referenceRun();
  return reference;
}

// The typical run's output when it stops at its report.
std::string stoppedAtTheReport() {
  const std::string& out = sword().out;
  return out.substr(0, out.size() - std::min(out.size(), texts::closingMessage.size()));
}

enum class Kind { file, fifo, link, folder };

// Makes `path` a thing of `kind`; a link leads to `linkTarget`.
bool plant(const fs::path& path, Kind kind, const fs::path& linkTarget) {
  switch (kind) {
    case Kind::file: {
      const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
      const bool written = fd >= 0 && write(fd, "planted\n", 8) == 8;
      return close(fd) == 0 && written;
    }
    case Kind::fifo:
      return mkfifo(path.c_str(), 0666) == 0;
    case Kind::link:
      return symlink(linkTarget.c_str(), path.c_str()) == 0;
    case Kind::folder:
      return mkdir(path.c_str(), 0777) == 0;
  }
  return false;
}

// fs.protected_symlinks set to a value for the lifetime of the object, when it can be.
class ProtectedSymlinks {
 public:
  explicit ProtectedSymlinks(char value) : earlier_(readFile(setting)) {
    set_ = earlier_ != "<missing>" && write(std::string(1, value) + "\n");
  }
  ~ProtectedSymlinks() {
    if (set_) write(earlier_);
  }
  ProtectedSymlinks(const ProtectedSymlinks&) = delete;
  ProtectedSymlinks& operator=(const ProtectedSymlinks&) = delete;
  bool set() const { return set_; }

 private:
  static constexpr const char* setting = "/proc/sys/fs/protected_symlinks";
  static bool write(const std::string& value) {
    std::ofstream(setting) << value;
    return readFile(setting) == value;
  }
  std::string earlier_;
  bool set_ = false;
};

// Runs `check` with the kernel's protection of links in shared folders off, then on; a half
// whose setting cannot be written is left out, and the test skipped when both are.
void withProtectedSymlinksOffAndOn(const std::function<void()>& check) {
  int checked = 0;
  for (const char value : {'0', '1'}) {
    const ProtectedSymlinks setting(value);
    if (!setting.set()) continue;
    SCOPED_TRACE(std::string("fs.protected_symlinks=") + value);
    check();
    ++checked;
  }
  if (checked == 0) GTEST_SKIP() << "fs.protected_symlinks cannot be written";
}

// A working folder whose report leads into a folder that everyone may write to, as /tmp, where
// the other user plants things; and a file of the player's that they would lead the run to.
class SharedFolderSetUp {
 public:
  explicit SharedFolderSetUp(const std::string& reportName) {
    fs::permissions(folder_.path(), fs::perms(0755));
    fs::create_directory(shared());
    fs::permissions(shared(), fs::perms(01777));
    writeFile(victim(), "the player's own file\n");
    fs::create_symlink("shared/" + reportName, "The Item.txt");
  }
  const fs::path& path() const { return folder_.path(); }
  fs::path shared() const { return folder_.path() / "shared"; }
  fs::path victim() const { return folder_.path() / "victim"; }

 private:
  WorkFolder folder_;
};

std::string untrustedLinkMessage(std::string_view link) {
  return texts::join(
      {"Tessark: cannot write \"The Item.txt\": \"", link,
       "\" is another user's link in a folder that everyone may write to, and is not followed.\n"});
}

// The other user links the missing report in the shared folder to the player's file, before the
// run or between its look and its rename: the run stops there, follows nothing and leaves nothing.
// To plant it between the two, every sync waits half a second under strace (where the leak check
// of a sanitizer build cannot run): the temporary file is made after the look and synced before
// the rename, and the link is planted once it is there.
void checkALinkPlanted(bool betweenTheLookAndTheRename) {
  SCOPED_TRACE(betweenTheLookAndTheRename ? "between the look and the rename" : "before the run");
  const SharedFolderSetUp setUp("player-new.txt");
  const fs::path planted = setUp.shared() / "player-new.txt";
  std::string linkBefore;
  const auto plantLink = [&] {
    ASSERT_TRUE(asOtherUser([&] { return plant(planted, Kind::link, setUp.victim()); }));
    linkBefore = stateOf(planted);
  };
  if (!betweenTheLookAndTheRename) plantLink();
  StartedRun run(setUp.path(),
                 betweenTheLookAndTheRename
                     ? std::vector<std::string>{"env", "ASAN_OPTIONS=detect_leaks=0", "strace",
                                                "-o", "/dev/null", "-e", "trace=fsync", "-e",
                                                "inject=fsync:delay_enter=500000"}
                     : std::vector<std::string>{});
  run.send(typicalInput);
  if (betweenTheLookAndTheRename) {
    ASSERT_TRUE(waitUntil([&] { return !namesIn(setUp.shared()).empty(); }))
        << "no temporary file was made";
    plantLink();
  }
  const ProcessResult result = run.finish();
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err, untrustedLinkMessage("shared/player-new.txt"));
  EXPECT_EQ(result.out, stoppedAtTheReport());
  EXPECT_EQ(readFile(setUp.victim()), "the player's own file\n");
  EXPECT_EQ(stateOf(planted), linkBefore);
  EXPECT_EQ(namesIn(setUp.shared()), std::set<std::string>{"player-new.txt"});
}

// Names a temporary file of a run might have: the name earlier versions used, and names of the
// form of this one's (which no one can foresee: these are the ones a poor random source would
// give).
std::vector<std::string> plausibleTemporaryNames(const std::string& reportName) {
  std::vector<std::string> names{reportName + ".tessark-new"};
  for (const char digit : std::string_view("0123456789abcdef")) {
    names.push_back(".tessark-" + std::string(16, digit));
  }
  return names;
}

// The other user plants files, pipes, links and folders under names the run's temporary file
// might take: the run replaces the report whole all the same, and leaves them alone.
void checkNamesPlantedWhereTemporaryFilesGo() {
  for (const Kind kind : {Kind::file, Kind::fifo, Kind::link, Kind::folder}) {
    SCOPED_TRACE("planted kind " + std::to_string(static_cast<int>(kind)));
    const SharedFolderSetUp setUp("player-report.txt");
    const fs::path report = setUp.shared() / "player-report.txt";
    writeFile(report, std::string(2000, 'e'));
    const std::vector<std::string> names = plausibleTemporaryNames("player-report.txt");
    ASSERT_TRUE(asOtherUser([&] {
      for (const std::string& name : names) {
        if (!plant(setUp.shared() / name, kind, setUp.victim())) return false;
      }
      return true;
    }));
    std::map<std::string, std::string> planted;
    for (const std::string& name : names) planted[name] = stateOf(setUp.shared() / name);
    const ino_t earlier = statusOf(report).st_ino;
    const ProcessResult run = runTessark(setUp.path(), typicalInput);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, sword().out);
    EXPECT_EQ(readFile(report), sword().report);
    // Replaced whole by a file of its own, not written in place.
    EXPECT_NE(statusOf(report).st_ino, earlier);
    EXPECT_EQ(readFile(setUp.victim()), "the player's own file\n");
    std::set<std::string> expectedNames{"player-report.txt"};
    for (const auto& [name, state] : planted) {
      EXPECT_EQ(stateOf(setUp.shared() / name), state) << name;
      expectedNames.insert(name);
    }
    EXPECT_EQ(namesIn(setUp.shared()), expectedNames);
  }
}

// The other user plants "files" in a working folder that everyone may write to, as /tmp: a link to
// a folder of theirs, or a folder of theirs that everyone may write to or that only they may, each
// with its modifier list a link to the player's file. The run uses none of them and stops at once.
void checkAPlantedWorkFolder() {
  enum class Planted { link, openFolder, ownFolder, closedFolder };
  for (const Planted planted :
       {Planted::link, Planted::openFolder, Planted::ownFolder, Planted::closedFolder}) {
    SCOPED_TRACE("planted " + std::to_string(static_cast<int>(planted)));
    const WorkFolder folder(false);
    fs::permissions(folder.path(), fs::perms(01777));
    writeFile("precious.txt", "the player's own file\n");
    ASSERT_TRUE(asOtherUser([&] {
      const std::string theirs = planted == Planted::link ? "theirs" : "files";
      const mode_t mode = planted == Planted::openFolder     ? 0777
                          : planted == Planted::closedFolder ? 0700
                                                             : 0755;
      return mkdir(theirs.c_str(), 0755) == 0 &&
             symlink("../precious.txt", (theirs + "/Modlist.dat").c_str()) == 0 &&
             chmod(theirs.c_str(), mode) == 0 &&
             (planted != Planted::link || symlink("theirs", "files") == 0);
    }));
    const ProcessResult run = runTessark(folder.path(), typicalInput);
    EXPECT_EQ(run.exitStatus, 1);
    const std::string why = planted == Planted::link
                                ? "is another user's link in a folder that everyone may write "
                                  "to, and is not followed"
                            : planted == Planted::openFolder
                                ? "is a folder that every user may write to, and is not used"
                                : "is another user's folder, and is not used";
    EXPECT_EQ(run.err, "Tessark: cannot use \"files\": \"files\" " + why + ".\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(readFile("precious.txt"), "the player's own file\n");
  }
}

// The other user plants a file of theirs, which they may change at will, where the report goes in
// a folder that everyone may write to: the run does not write it, and says so.
void checkAFilePlantedAsTheReport() {
  const SharedFolderSetUp setUp("player-report.txt");
  const fs::path planted = setUp.shared() / "player-report.txt";
  ASSERT_TRUE(asOtherUser([&] { return plant(planted, Kind::file, {}); }));
  const ProcessResult run = runTessark(setUp.path(), typicalInput);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err,
            "Tessark: cannot write \"The Item.txt\": \"shared/player-report.txt\" is another "
            "user's file in a folder that everyone may write to, and is not written.\n");
  EXPECT_EQ(run.out, stoppedAtTheReport());
  EXPECT_EQ(readFile(planted), "planted\n");
}

// One test, so that no two change fs.protected_symlinks at once.
TEST(OtherUsers, LinksAndNamesPlantedInASharedFolderAreNeitherFollowedNorUsed) {
  if (!otherUser()) {
    GTEST_SKIP() << "acting as a second user (nobody) needs root and that user: not available";
  }
  const bool haveStrace = std::system("command -v strace >/dev/null") == 0;
  withProtectedSymlinksOffAndOn([&] {
    checkALinkPlanted(false);
    if (haveStrace) checkALinkPlanted(true);
    checkNamesPlantedWhereTemporaryFilesGo();
    checkAPlantedWorkFolder();
    checkAFilePlantedAsTheReport();
  });
  if (!haveStrace) {
    GTEST_SKIP() << "strace, which holds a run between its look and its rename, is missing: the "
                    "link planted meanwhile was not tried";
  }
}

// What a run as the other user leaves: the program is started by a child process acting as that
// user, which keeps what the run printed in a folder that everyone may write to.
ProcessResult runAsOtherUser(const fs::path& folder, std::string_view input) {
  const WorkFolder kept(false);
  fs::permissions(kept.path(), fs::perms(0777));
  EXPECT_TRUE(asOtherUser([&] {
    const ProcessResult run = runTessark(folder, input);
    writeFile(kept.path() / "out", run.out);
    writeFile(kept.path() / "err", run.err);
    writeFile(kept.path() / "status", std::to_string(run.exitStatus));
    return true;
  }));
  return {readFile(kept.path() / "out"), readFile(kept.path() / "err"),
          std::stoi(readFile(kept.path() / "status"))};
}

// A report that goes to a folder that its user may write to and search but not read: the report
// is replaced, but the folder cannot be synced, which the run says with status 1; and a leftover
// there cannot be found, so it stays. Root reads every folder: the run is the other user's.
TEST(OtherUsers, AReportFolderThatCannotBeReadIsNeitherSyncedNorCleanedAndSaysSo) {
  if (!otherUser()) {
    GTEST_SKIP() << "acting as a second user (nobody) needs root and that user: not available";
  }
  const WorkFolder folder(false);
  fs::permissions(folder.path(), fs::perms(0777));
  ASSERT_TRUE(asOtherUser([&] {
    return mkdir("files", 0755) == 0 && mkdir("out", 0700) == 0 &&
           plant("out/.tessark-0123456789abcdef", Kind::file, {}) && chmod("out", 0300) == 0;
  }));
  fs::create_symlink("out/report.txt", "The Item.txt");
  const ProcessResult run = runAsOtherUser(folder.path(), typicalInput);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err,
            "Tessark: \"The Item.txt\" was written, but could not be synced to the disk (its "
            "folder may not be read, so it cannot be synced); it may not outlast a crash.\n");
  EXPECT_EQ(run.out, stoppedAtTheReport());
  EXPECT_EQ(readFile("out/report.txt"), sword().report);
  EXPECT_EQ(namesIn("out"), (std::set<std::string>{".tessark-0123456789abcdef", "report.txt"}));
}

}  // namespace
}  // namespace tessark
