// The lookups of ItemRecord in the base damage and defense tables (base_stats.hpp), by the name
// of the base item.
#include "catalogue/base_stats.hpp"

#include <span>

#include "foundation/item_record.hpp"

namespace tessark {
namespace {

// One column of the entry of `table` for `baseItem`; 0 where there is none, as for an unset
// base item.
std::int32_t lookUp(std::span<const BaseItem> table, std::string_view baseItem,
                    std::int32_t BaseItem::*column) {
  for (const BaseItem& item : table) {
    if (item.name == baseItem) return item.*column;
  }
  return 0;
}

}  // namespace

std::int32_t ItemRecord::lookupMinDamage(std::string_view baseItem) {
  return lookUp(damageTable, baseItem, &BaseItem::min);
}

std::int32_t ItemRecord::lookupMaxDamage(std::string_view baseItem) {
  return lookUp(damageTable, baseItem, &BaseItem::max);
}

std::int32_t ItemRecord::lookupMinDefense(std::string_view baseItem) {
  return lookUp(defenseTable, baseItem, &BaseItem::min);
}

std::int32_t ItemRecord::lookupMaxDefense(std::string_view baseItem) {
  return lookUp(defenseTable, baseItem, &BaseItem::max);
}

}  // namespace tessark
