// Runs beside another local user: links and names planted in a folder that everyone may write to,
// before a run and between its look and its rename, with the kernel's protection of such links on
// and off; and the group, mode and names of a report kept. The other user is nobody, acted as by a
// child process of the test, which must run as root for that.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "support/dialogue_texts.hpp"
#include "support/folder_outcome.hpp"
#include "support/started_run_posix.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using testing::ProcessResult;
using testing::readFile;
using testing::runTessark;
using testing::StartedRun;
using testing::WorkFolder;
using testing::writeFile;
using testing::texts::closingMessage;

// What an undisturbed typical run prints and reports.
struct Reference {
  std::string out, report;
};

const Reference& sword() {
  static const Reference reference = [] {
    WorkFolder folder;
    const ProcessResult run = runTessark(folder.path(), testing::typicalInput);
    return Reference{run.out, readFile(folder.path() / "The Item.txt")};
  }();
  return reference;
}

// The typical run's output when it stops at its report.
std::string stoppedAtTheReport() {
  const std::string& out = sword().out;
  return out.substr(0, out.size() - std::min(out.size(), closingMessage.size()));
}

// The other user: nobody, when the test may act as it.
std::optional<passwd> otherUser() {
  const passwd* user = getpwnam("nobody");
  if (geteuid() != 0 || user == nullptr) return std::nullopt;
  return *user;
}

// Runs `act` as the other user, in a child process; true when it succeeded.
bool asOtherUser(const std::function<bool()>& act) {
  const passwd user = *otherUser();
  const pid_t pid = fork();
  if (pid == 0) {
    if (setgroups(0, nullptr) != 0 || setresgid(user.pw_gid, user.pw_gid, user.pw_gid) != 0 ||
        setresuid(user.pw_uid, user.pw_uid, user.pw_uid) != 0) {
      _exit(2);
    }
    _exit(act() ? 0 : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
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

// What stands at `path`, not followed: kind, owner, identity, and a file's bytes or a link's
// target.
std::string stateOf(const fs::path& path) {
  struct stat status {};
  if (lstat(path.c_str(), &status) != 0) return "<none>";
  std::string state = std::to_string(status.st_mode) + " " + std::to_string(status.st_uid) + " " +
                      std::to_string(status.st_ino) + " ";
  if (S_ISREG(status.st_mode)) state += readFile(path);
  if (S_ISLNK(status.st_mode)) state += fs::read_symlink(path).string();
  return state;
}

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
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
  return testing::texts::join(
      {"Tessark: cannot write \"The Item.txt\": \"", link,
       "\" is another user's link in a folder that everyone may write to, and is not followed.\n"});
}

// A run stopped at an untrusted link: nothing followed, nothing left behind.
void expectStoppedAtThePlantedLink(const ProcessResult& run, const SharedFolderSetUp& setUp,
                                   const std::string& linkBefore) {
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err, untrustedLinkMessage("shared/player-new.txt"));
  EXPECT_EQ(run.out, stoppedAtTheReport());
  EXPECT_EQ(readFile(setUp.victim()), "the player's own file\n");
  EXPECT_EQ(stateOf(setUp.shared() / "player-new.txt"), linkBefore);
  EXPECT_EQ(namesIn(setUp.shared()), std::set<std::string>{"player-new.txt"});
}

// The other user links the missing report in the shared folder to the player's file, before the
// run.
void checkALinkPlantedBeforeTheRun() {
  const SharedFolderSetUp setUp("player-new.txt");
  const fs::path planted = setUp.shared() / "player-new.txt";
  ASSERT_TRUE(asOtherUser([&] { return plant(planted, Kind::link, setUp.victim()); }));
  const std::string linkBefore = stateOf(planted);
  expectStoppedAtThePlantedLink(runTessark(setUp.path(), testing::typicalInput), setUp, linkBefore);
}

// The same link planted between the run's look and its rename. Every sync waits half a second
// under strace: the temporary file is synced after the look and before the rename, and the link
// is planted meanwhile.
void checkALinkPlantedBetweenTheLookAndTheRename() {
  const std::vector<std::string> slowSyncs{
      "strace", "-o", "/dev/null", "-e", "trace=fsync", "-e", "inject=fsync:delay_enter=500000"};
  const SharedFolderSetUp setUp("player-new.txt");
  StartedRun run(setUp.path(), slowSyncs);
  run.send(testing::typicalInput);
  // The temporary file is made after the look: once it is there, the look is past.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (namesIn(setUp.shared()).empty() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_FALSE(namesIn(setUp.shared()).empty()) << "no temporary file was made";
  const fs::path planted = setUp.shared() / "player-new.txt";
  ASSERT_TRUE(asOtherUser([&] { return plant(planted, Kind::link, setUp.victim()); }));
  const std::string linkBefore = stateOf(planted);
  expectStoppedAtThePlantedLink(run.finish(), setUp, linkBefore);
}

// Names a temporary file of a run might have: the name earlier versions used, and names of the
// form of this one's, none of which can be foreseen.
std::vector<std::string> plausibleTemporaryNames(const std::string& reportName) {
  std::vector<std::string> names{reportName + ".tessark-new"};
  constexpr std::string_view digits = "0123456789abcdef";
  for (const char digit : digits) names.push_back(".tessark-" + std::string(16, digit));
  std::mt19937_64 random{std::random_device{}()};
  for (int i = 0; i < 16; ++i) {
    std::string name = ".tessark-";
    for (std::uint64_t bits = random(), n = 0; n < 16; ++n, bits >>= 4) name += digits[bits & 15];
    names.push_back(name);
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
    struct stat earlier {};
    ASSERT_EQ(stat(report.c_str(), &earlier), 0);

    const ProcessResult run = runTessark(setUp.path(), testing::typicalInput);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, sword().out);
    EXPECT_EQ(readFile(report), sword().report);
    // Replaced whole by a file of its own, not written in place.
    struct stat now {};
    ASSERT_EQ(stat(report.c_str(), &now), 0);
    EXPECT_NE(now.st_ino, earlier.st_ino);
    EXPECT_EQ(readFile(setUp.victim()), "the player's own file\n");
    std::set<std::string> expectedNames{"player-report.txt"};
    for (const auto& [name, state] : planted) {
      EXPECT_EQ(stateOf(setUp.shared() / name), state) << name;
      expectedNames.insert(name);
    }
    EXPECT_EQ(namesIn(setUp.shared()), expectedNames);
  }
}

// One test, so that no two change fs.protected_symlinks at once.
TEST(OtherUsers, LinksAndNamesPlantedInASharedFolderAreNeitherFollowedNorUsed) {
  if (!otherUser()) {
    GTEST_SKIP() << "acting as a second user (nobody) needs root and that user: not available";
  }
  const bool haveStrace = std::system("command -v strace >/dev/null") == 0;
  withProtectedSymlinksOffAndOn([&] {
    checkALinkPlantedBeforeTheRun();
    if (haveStrace) checkALinkPlantedBetweenTheLookAndTheRename();
    checkNamesPlantedWhereTemporaryFilesGo();
  });
  if (!haveStrace) {
    GTEST_SKIP() << "strace, which holds a run between its look and its rename, is missing: the "
                    "link planted meanwhile was not tried";
  }
}

TEST(Ownership, AReportOfAnotherGroupKeepsItsGroupAndMode) {
  const group* other = getgrnam("nogroup");
  if (geteuid() != 0 || other == nullptr) {
    GTEST_SKIP() << "giving a file another group (nogroup) needs root and that group";
  }
  WorkFolder folder;
  writeFile("The Item.txt", "earlier report\n");
  ASSERT_EQ(chown("The Item.txt", static_cast<uid_t>(-1), other->gr_gid), 0);
  ASSERT_EQ(chmod("The Item.txt", 0640), 0);
  const ProcessResult run = runTessark(folder.path(), testing::typicalInput);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(readFile("The Item.txt"), sword().report);
  struct stat status {};
  ASSERT_EQ(stat("The Item.txt", &status), 0);
  EXPECT_EQ(status.st_gid, other->gr_gid);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST(Ownership, ALongTargetNameAndASecondNameStayTheReports) {
  // A link to a file whose name is as long as a name can be.
  {
    WorkFolder folder;
    const std::string longName = std::string(251, 'n') + ".txt";
    fs::create_directory("library");
    writeFile("library/" + longName, "earlier report\n");
    fs::create_symlink("library/" + longName, "The Item.txt");
    const ProcessResult run = runTessark(folder.path(), testing::typicalInput);
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(readFile("library/" + longName), sword().report);
    EXPECT_EQ(fs::read_symlink("The Item.txt"), "library/" + longName);
    EXPECT_EQ(namesIn("library"), std::set<std::string>{longName});
  }
  // A report with a second name is written in place, cut first: one file under both names,
  // holding nothing of a longer earlier report.
  {
    WorkFolder folder;
    fs::create_directory("library");
    writeFile("library/second.txt", std::string(2000, 'e'));
    fs::create_hard_link("library/second.txt", "The Item.txt");
    struct stat earlier {};
    ASSERT_EQ(stat("The Item.txt", &earlier), 0);
    const ProcessResult run = runTessark(folder.path(), testing::typicalInput);
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(readFile("The Item.txt"), sword().report);
    struct stat now {};
    ASSERT_EQ(stat("library/second.txt", &now), 0);
    EXPECT_EQ(now.st_ino, earlier.st_ino);
    EXPECT_EQ(fs::hard_link_count("The Item.txt"), 2u);
    EXPECT_EQ(namesIn("library"), std::set<std::string>{"second.txt"});
  }
}

}  // namespace
}  // namespace tessark
