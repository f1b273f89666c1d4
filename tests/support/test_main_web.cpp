// The test program's entry in the browser build. It ends by exit(): once a test has awaited a
// read from the host, the value main returns is lost, and node would report every run a success.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  std::exit(RUN_ALL_TESTS());
}
