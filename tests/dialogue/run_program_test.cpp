#include "dialogue/run_program.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "support/work_folder.hpp"

namespace tessark {
namespace {

// Standard output that takes nothing, as a full disk or a closed terminal would.
class RefusingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(RunProgram, AnUnseenDialogueIsNoSuccess) {
  testing::WorkFolder folder;
  RefusingBuffer refusing;
  std::ostream out(&refusing);
  std::istringstream in("1\n17\n1\n2\n31\n");
  std::ostringstream err;
  Console console{in, out, err};
  EXPECT_EQ(runProgram(console), 1);
  EXPECT_EQ(err.str(), "Tessark: cannot write to standard output; the dialogue was not shown.\n");
}

}  // namespace
}  // namespace tessark
