// ItemRecord::clearRanges. The other operations of ItemRecord are defined in the folders of the
// subsystems that own them (item_record.hpp says where).
#include "foundation/item_record.hpp"

namespace tessark {

void ItemRecord::clearRanges() {
  baseMinDamage = baseMaxDamage = baseMinDefense = baseMaxDefense = 0;
  bestMinDamage = leastMinDamage = bestMaxDamage = leastMaxDamage = 0;
  bestMinDefense = leastMinDefense = bestMaxDefense = leastMaxDefense = 0;
}

}  // namespace tessark
