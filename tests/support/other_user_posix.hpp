// The other local user, nobody, as whom a test that runs as root acts from a child process: to
// plant files and links where the program goes, or to run code as that user would.
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>

namespace tessark::testing {

struct OtherUser {
  uid_t uid;
  gid_t gid;
};

// nobody, when the test may act as it: it runs as root and the user exists.
std::optional<OtherUser> otherUser();

// Runs `act` as the other user in a child process; true when it returned true.
bool asOtherUser(const std::function<bool()>& act);

}  // namespace tessark::testing
