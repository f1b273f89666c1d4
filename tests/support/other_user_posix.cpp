// The other user of other_user_posix.hpp: nobody, from the user database.
#include "support/other_user_posix.hpp"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessark::testing {

std::optional<OtherUser> otherUser() {
  const passwd* user = ::getpwnam("nobody");
  if (::geteuid() != 0 || user == nullptr) return std::nullopt;
  return OtherUser{user->pw_uid, user->pw_gid};
}

bool asOtherUser(const std::function<bool()>& act) {
  const OtherUser user = *otherUser();
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setresgid(user.gid, user.gid, user.gid) != 0 ||
        ::setresuid(user.uid, user.uid, user.uid) != 0) {
      ::_exit(2);
    }
    ::_exit(act() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace tessark::testing
