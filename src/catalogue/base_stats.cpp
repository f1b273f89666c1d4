// The lookups of ItemRecord in the base damage and defense tables (base_stats.hpp), by the name
// of the base item, through an order of each table by name made at compile time.
#include "catalogue/base_stats.hpp"

#include <algorithm>
#include <cstdint>
#include <span>

#include "foundation/item_record.hpp"

namespace tessark {
namespace {

// The rows of `table` in the order of their names, the earlier row first among equal names: a
// lookup then halves what is left to search at each step instead of reading every row, and
// finds the row that a reading from the top would.
template <std::size_t Count>
consteval std::array<std::uint8_t, Count> orderByName(const std::array<BaseItem, Count>& table) {
  static_assert(Count <= 256, "a row of the order is one byte");
  std::array<std::uint8_t, Count> order{};
  for (std::size_t row = 0; row < Count; ++row) {
    // Inserted after every row whose name is not greater: the order of equal names is kept.
    std::size_t at = row;
    while (at > 0 && table[row].name < table[order[at - 1]].name) {
      order[at] = order[at - 1];
      --at;
    }
    order[at] = static_cast<std::uint8_t>(row);
  }
  return order;
}

constexpr std::array damageOrder = orderByName(damageTable);
constexpr std::array defenseOrder = orderByName(defenseTable);

// One column of the entry of `table` for `baseItem`, found through `order`; 0 where there is
// none, as for an unset base item.
std::int32_t lookUp(std::span<const BaseItem> table, std::span<const std::uint8_t> order,
                    std::string_view baseItem, std::int32_t BaseItem::*column) {
  const auto found = std::lower_bound(
      order.begin(), order.end(), baseItem,
      [&](std::uint8_t row, std::string_view name) { return table[row].name < name; });
  if (found == order.end() || table[*found].name != baseItem) return 0;
  return table[*found].*column;
}

}  // namespace

std::int32_t ItemRecord::lookupMinDamage(std::string_view baseItem) {
  return lookUp(damageTable, damageOrder, baseItem, &BaseItem::min);
}

std::int32_t ItemRecord::lookupMaxDamage(std::string_view baseItem) {
  return lookUp(damageTable, damageOrder, baseItem, &BaseItem::max);
}

std::int32_t ItemRecord::lookupMinDefense(std::string_view baseItem) {
  return lookUp(defenseTable, defenseOrder, baseItem, &BaseItem::min);
}

std::int32_t ItemRecord::lookupMaxDefense(std::string_view baseItem) {
  return lookUp(defenseTable, defenseOrder, baseItem, &BaseItem::max);
}

}  // namespace tessark
