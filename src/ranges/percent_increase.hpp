// percentIncrease: the increase that a percentage makes on a base value.
#pragma once

#include <cstdint>

namespace tessark {

// The increase that `factor` makes on `value`: the product in double precision, rounded half up
// by adding 0.5 and truncating, less the value.
std::int32_t percentIncrease(std::int32_t value, double factor);

}  // namespace tessark
