// applyAffix and the arithmetic beneath it: base ranges filled from the statistics tables, and
// the effects of the damage and defense affixes added to the lowest and best values.
#include <cstdint>

#include "foundation/item_record.hpp"
#include "ranges/effect_tables.hpp"
#include "ranges/percent_increase.hpp"

namespace tessark {
namespace {

const PercentEffect* damagePrefix(std::string_view name) {
  return findEffect<PercentEffect>(damagePrefixEffects, name);
}
const PercentEffect* defensePrefix(std::string_view name) {
  return findEffect<PercentEffect>(defensePrefixEffects, name);
}
const AdditionEffect* damageSuffix(std::string_view name) {
  return findEffect<AdditionEffect>(damageSuffixEffects, name);
}

// Sets a base value that is still 0, and its lowest and best values, to what the statistics
// table holds; a base item without an entry changes nothing.
void fillBase(std::int32_t& base, std::int32_t& least, std::int32_t& best,
              std::int32_t (*lookup)(std::string_view), std::string_view baseName) {
  if (base != 0) return;
  const std::int32_t found = lookup(baseName);
  if (found != 0) base = least = best = found;
}

// Raises a range by the percentages of `effect`, each computed from the base on its own.
void raiseByPercent(const PercentEffect& effect, std::int32_t baseMin, std::int32_t baseMax,
                    std::int32_t& leastMin, std::int32_t& bestMin, std::int32_t& leastMax,
                    std::int32_t& bestMax) {
  leastMin += percentIncrease(baseMin, effect.lowest);
  bestMin += percentIncrease(baseMin, effect.best);
  leastMax += percentIncrease(baseMax, effect.lowest);
  bestMax += percentIncrease(baseMax, effect.best);
}

}  // namespace

void ItemRecord::fillBaseRanges() {
  fillBase(baseMinDamage, leastMinDamage, bestMinDamage, lookupMinDamage, baseName);
  fillBase(baseMaxDamage, leastMaxDamage, bestMaxDamage, lookupMaxDamage, baseName);
  fillBase(baseMinDefense, leastMinDefense, bestMinDefense, lookupMinDefense, baseName);
  fillBase(baseMaxDefense, leastMaxDefense, bestMaxDefense, lookupMaxDefense, baseName);
}

void ItemRecord::applyAffix(WorkFiles& files, AffixTag tag) {
  // The description goes to the list before any value changes.
  if (!tag.empty() && tag.front() == prefixKind) appendPrefixDescription(files, tag.substr(1));
  if (!tag.empty() && tag.front() == suffixKind) appendSuffixDescription(files, tag.substr(1));
  recordAffix(tag);
}

void ItemRecord::recordAffix(AffixTag tag) {
  fillBaseRanges();
  appliedAffixes.push_back(tag);
  if (tag.empty()) return;
  const std::string_view name = tag.substr(1);
  if (tag.front() == prefixKind) {
    if (damagePrefix(name) != nullptr) applyDamageAffix(name);
    if (defensePrefix(name) != nullptr) applyDefenseAffix(name);
  } else if (tag.front() == suffixKind) {
    if (damageSuffix(name) != nullptr) applyDamageAffix(name);
  }
}

void ItemRecord::applyDamageAffix(std::string_view name) {
  if (const PercentEffect* effect = damagePrefix(name)) {
    raiseByPercent(*effect, baseMinDamage, baseMaxDamage, leastMinDamage, bestMinDamage,
                   leastMaxDamage, bestMaxDamage);
  } else if (const AdditionEffect* addition = damageSuffix(name)) {
    const bool minimum = addition->end == DamageEnd::minimum;
    (minimum ? leastMinDamage : leastMaxDamage) += addition->lowest;
    (minimum ? bestMinDamage : bestMaxDamage) += addition->best;
  }
}

void ItemRecord::applyDefenseAffix(std::string_view name) {
  if (const PercentEffect* effect = defensePrefix(name)) {
    raiseByPercent(*effect, baseMinDefense, baseMaxDefense, leastMinDefense, bestMinDefense,
                   leastMaxDefense, bestMaxDefense);
  }
}

}  // namespace tessark
