// percentIncrease, and the check at build time that a double is computed in IEEE double
// precision, on which its rounding depends.
#include "ranges/percent_increase.hpp"

#include <cfloat>

namespace tessark {

// Truncating the product rounds it, so the product must be the IEEE double one: in excess
// precision (the x87 unit of 32-bit x86) some increases would come out one lower. The build
// picks SSE2 arithmetic for such targets; a target that still lacks it must not build at all.
static_assert(FLT_EVAL_METHOD == 0,
              "double must be computed in IEEE double precision: on 32-bit x86, build with "
              "-msse2 -mfpmath=sse");

std::int32_t percentIncrease(std::int32_t value, double factor) {
  const double product = static_cast<double>(value) * factor;
  return static_cast<std::int32_t>(product + 0.5) - value;
}

}  // namespace tessark
