// The contents the tests of replaceFile start from and put: the earlier one is the longer, so
// that the new one written over it without cutting it first would show the earlier one's tail.
#pragma once

#include <string_view>

namespace tessark::testing {

inline constexpr std::string_view earlier = "the earlier report, longer than the new one\n";
inline constexpr std::string_view fresh = "the new report\n";

}  // namespace tessark::testing
