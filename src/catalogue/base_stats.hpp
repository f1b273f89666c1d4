// The base damage and defense tables: the weapon and the armor base items, gathered at compile
// time from the catalogue (categories.hpp), so that each name and range is written once. The
// lookups that read them are in base_stats.cpp; applyAffix (ranges/) calls them.
#pragma once

#include <array>
#include <cstddef>

#include "catalogue/base_item.hpp"
#include "catalogue/categories.hpp"

namespace tessark {

// The base items of the categories `first` to `last`, normal then exceptional per category:
// the statistics tables are views of the catalogue's own entries, gathered at compile time.
template <std::size_t Count>
consteval std::array<BaseItem, Count> gatherBaseItems(CategoryId first, CategoryId last) {
  std::array<BaseItem, Count> table{};
  std::size_t next = 0;
  for (const CategoryEntry& entry : categories) {
    if (entry.id < first || entry.id > last) continue;
    for (const BaseItem& item : entry.normal.items) table.at(next++) = item;
    for (const BaseItem& item : entry.exceptional.items) table.at(next++) = item;
  }
  if (next != Count) throw "the table needs exactly Count base items";
  return table;
}

// Minimum and maximum damage of the base items of "Sword" to "Polearm".
inline constexpr std::array<BaseItem, 139> damageTable =
    gatherBaseItems<139>(CategoryId::sword, CategoryId::polearm);
// Minimum and maximum defense of the base items of "Armor" to "Belt".
inline constexpr std::array<BaseItem, 91> defenseTable =
    gatherBaseItems<91>(CategoryId::armor, CategoryId::belt);

}  // namespace tessark
