// waitUntil: polls a condition that another process makes true, such as a file it makes or an
// output it prints, until it holds or a limit passes.
#pragma once

#include <chrono>
#include <thread>

namespace tessark::testing {

// Whether `holds()` became true within `limit`.
template <typename Condition>
bool waitUntil(Condition holds, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!holds()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

}  // namespace tessark::testing
