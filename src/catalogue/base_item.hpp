// The shape of a base item and of a base item menu, shared by the catalogue (categories.hpp)
// and the statistics tables that view its items (base_stats.hpp).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tessark {

// One base item of the catalogue with its base damage or defense range.
struct BaseItem {
  std::string_view name;
  std::int32_t min;
  std::int32_t max;
};

// The base item menu of one category and quality: the printed lines (two columns for long
// menus), and the items in the order of the numbers the player types.
struct BaseItemMenu {
  std::span<const std::string_view> lines;
  std::span<const BaseItem> items;
};

}  // namespace tessark
