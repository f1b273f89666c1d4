// failureOf: the kind of the SystemError that an action throws, for the tests that check which
// failure a promise names.
#pragma once

#include <optional>

#include "system/system_error.hpp"

namespace tessark::testing {

// The kind of the failure of `action`; nothing when it does not fail.
template <typename Action>
std::optional<FailureKind> failureOf(Action action) {
  try {
    action();
  } catch (const SystemError& error) {
    return error.kind();
  }
  return std::nullopt;
}

}  // namespace tessark::testing
