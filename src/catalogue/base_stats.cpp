#include "catalogue/base_stats.hpp"

#include <span>

#include "dialogue/item_record.hpp"

namespace tessark {
namespace {

// The entry of `table` for `baseItem`, or nullptr; an unset base item has none.
const BaseItem* findBaseItem(std::span<const BaseItem> table, std::string_view baseItem) {
  for (const BaseItem& item : table) {
    if (item.name == baseItem) return &item;
  }
  return nullptr;
}

}  // namespace

std::int32_t ItemRecord::lookupMinDamage(std::string_view baseItem) {
  const BaseItem* item = findBaseItem(damageTable, baseItem);
  return item != nullptr ? item->min : 0;
}

std::int32_t ItemRecord::lookupMaxDamage(std::string_view baseItem) {
  const BaseItem* item = findBaseItem(damageTable, baseItem);
  return item != nullptr ? item->max : 0;
}

std::int32_t ItemRecord::lookupMinDefense(std::string_view baseItem) {
  const BaseItem* item = findBaseItem(defenseTable, baseItem);
  return item != nullptr ? item->min : 0;
}

std::int32_t ItemRecord::lookupMaxDefense(std::string_view baseItem) {
  const BaseItem* item = findBaseItem(defenseTable, baseItem);
  return item != nullptr ? item->max : 0;
}

}  // namespace tessark
