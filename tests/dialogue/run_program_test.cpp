#include "dialogue/run_program.hpp"

#include <gtest/gtest.h>

#include <new>
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

// Standard output that shows everything but the closing message.
class ClosingRefusedBuffer : public std::stringbuf {
 protected:
  int sync() override { return str().find("View file called") == std::string::npos ? 0 : -1; }
};

TEST(RunProgram, AClosingMessageThatCannotBeShownIsNoSuccessButTheReportStands) {
  testing::WorkFolder folder;
  ClosingRefusedBuffer refusing;
  std::ostream out(&refusing);
  std::istringstream in("1\n17\n1\n2\n31\n");
  std::ostringstream err;
  Console console{in, out, err};
  EXPECT_EQ(runProgram(console), 1);
  EXPECT_EQ(err.str(),
            "Tessark: \"The Item.txt\" was written, but the closing message could not be shown "
            "on standard output.\n");
  EXPECT_NE(testing::readFile("The Item.txt"), "<missing>");
}

// Input whose reading runs out of memory after the first answer.
class ExhaustedBuffer : public std::stringbuf {
 public:
  ExhaustedBuffer() : std::stringbuf("1\n") {}

 protected:
  int_type underflow() override {
    const int_type c = std::stringbuf::underflow();
    if (traits_type::eq_int_type(c, traits_type::eof())) throw std::bad_alloc();
    return c;
  }
};

TEST(RunProgram, RunningOutOfMemoryStopsTheRunWithAMessage) {
  testing::WorkFolder folder;
  ExhaustedBuffer exhausted;
  std::istream in(&exhausted);
  std::ostringstream out, err;
  Console console{in, out, err};
  EXPECT_EQ(runProgram(console), 1);
  EXPECT_EQ(err.str(), std::string(outOfMemoryMessage) + "\n");
}

}  // namespace
}  // namespace tessark
