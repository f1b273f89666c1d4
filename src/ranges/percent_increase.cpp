#include "ranges/percent_increase.hpp"

namespace tessark {

std::int32_t percentIncrease(std::int32_t value, double factor) {
  const double product = static_cast<double>(value) * factor;
  return static_cast<std::int32_t>(product + 0.5) - value;
}

}  // namespace tessark
