// The affixes that change damage or defense, with their percentages or additions, and the checks
// that each effect is described and that its description shows the numbers it applies.

// The damage prefixes (each with a twin of equal effect) and the defense prefixes raise a range by
// percentages of its base, the damage suffixes add to one end of it; every other affix only
// records its description (report/prefix_descriptions.hpp, report/suffix_descriptions.hpp).
// applyAffix (apply_affix.cpp) reads the tables.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "foundation/table_fault.hpp"
#include "report/described.hpp"

namespace tessark {

// A prefix (or two prefixes of equal effect) that raises a range by a percentage of its base:
// `lowest` for the lowest possible result, `best` for the best.
struct PercentEffect {
  std::string_view name;
  std::string_view twin;  // a second prefix of the same effect, or empty
  double lowest;
  double best;

  constexpr bool matches(std::string_view affix) const {
    return affix == name || (!twin.empty() && affix == twin);
  }
};

// Which end of the damage range a suffix raises.
enum class DamageEnd { minimum, maximum };

// A suffix that adds a fixed amount to one end of the damage range.
struct AdditionEffect {
  std::string_view name;
  DamageEnd end;
  std::int32_t lowest;
  std::int32_t best;

  constexpr bool matches(std::string_view affix) const { return affix == name; }
};

inline constexpr std::array<PercentEffect, 7> damagePrefixEffects{{
    {"Jagged", "Sharp", 1.1, 1.2},
    {"Deadly", "Fine", 1.21, 1.3},
    {"Vicious", "Warrior's", 1.31, 1.4},
    {"Brutal", "Soldier's", 1.41, 1.5},
    {"Massive", "Knight's", 1.51, 1.65},
    {"Savage", "Lord's", 1.66, 1.8},
    {"Merciless", "King's", 1.81, 2.0},
}};

inline constexpr std::array<PercentEffect, 6> defensePrefixEffects{{
    {"Sturdy", {}, 1.2, 1.3},
    {"Strong", {}, 1.31, 1.4},
    {"Glorious", {}, 1.41, 1.5},
    {"Blessed", {}, 1.51, 1.6},
    {"Saintly", {}, 1.61, 1.8},
    {"Holy", {}, 1.81, 2.0},
}};

inline constexpr std::array<AdditionEffect, 11> damageSuffixEffects{{
    {"Worth", DamageEnd::minimum, 1, 1},
    {"Measure", DamageEnd::minimum, 2, 2},
    {"Excellence", DamageEnd::minimum, 3, 3},
    {"Performance", DamageEnd::minimum, 4, 5},
    {"Craftsmanship", DamageEnd::maximum, 1, 2},
    {"Quality", DamageEnd::maximum, 2, 2},
    {"Maiming", DamageEnd::maximum, 3, 4},
    {"Slaying", DamageEnd::maximum, 5, 7},
    {"Gore", DamageEnd::maximum, 8, 10},
    {"Carnage", DamageEnd::maximum, 11, 15},
    {"Slaughter", DamageEnd::maximum, 15, 20},
}};

// The first effect of `table` whose name, or twin where `withTwins` asks for one, has no
// description, so that its record would not reach the report.
constexpr TableFault undescribedEffect(std::string_view tableName,
                                       std::span<const PercentEffect> table, bool withTwins) {
  for (std::size_t row = 0; row < table.size(); ++row) {
    const PercentEffect& effect = table[row];
    if (!hasEntry(prefixDescriptions, effect.name)) {
      return tableFault("an effect's prefix has no description", tableName, row + 1, effect.name);
    }
    if (withTwins && !hasEntry(prefixDescriptions, effect.twin)) {
      return tableFault("an effect's twin has no description", tableName, row + 1, effect.twin);
    }
  }
  return {};
}
constexpr TableFault undescribedEffect(std::string_view tableName,
                                       std::span<const AdditionEffect> table) {
  for (std::size_t row = 0; row < table.size(); ++row) {
    if (!hasEntry(suffixDescriptions, table[row].name)) {
      return tableFault("an effect's suffix has no description", tableName, row + 1,
                        table[row].name);
    }
  }
  return {};
}
static_assert(tableChecked<undescribedEffect("damagePrefixEffects", damagePrefixEffects, true)>());
static_assert(
    tableChecked<undescribedEffect("defensePrefixEffects", defensePrefixEffects, false)>());
static_assert(tableChecked<undescribedEffect("damageSuffixEffects", damageSuffixEffects)>());

// The first effect of `table` that raises the lowest result more than the best, so that an
// item's lowest result could pass its best.
template <typename Effect>
constexpr TableFault lowestAboveBest(std::string_view tableName, std::span<const Effect> table) {
  for (std::size_t row = 0; row < table.size(); ++row) {
    if (table[row].lowest > table[row].best) {
      return tableFault("an effect raises the lowest result more than the best", tableName, row + 1,
                        table[row].name);
    }
  }
  return {};
}
static_assert(
    tableChecked<lowestAboveBest<PercentEffect>("damagePrefixEffects", damagePrefixEffects)>());
static_assert(
    tableChecked<lowestAboveBest<PercentEffect>("defensePrefixEffects", defensePrefixEffects)>());
static_assert(
    tableChecked<lowestAboveBest<AdditionEffect>("damageSuffixEffects", damageSuffixEffects)>());

// The description of `name` in `table`; every effect has one (undescribedEffect).
constexpr const DescriptionEntry& descriptionOf(std::span<const DescriptionEntry> table,
                                                std::string_view name) {
  for (const DescriptionEntry& entry : table) {
    if (entry.key == name) return entry;
  }
  return table.front();
}

// The whole number whose last digit stands just before `end` in `text`.
constexpr std::int32_t numberBefore(std::string_view text, std::size_t end) {
  std::size_t start = end;
  while (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') --start;
  std::int32_t number = 0;
  for (std::size_t pos = start; pos < end; ++pos) number = number * 10 + (text[pos] - '0');
  return number;
}

// Whether `text` shows `factor` as its percentage, as "120% Defense" shows 1.2.
constexpr bool showsPercent(std::string_view text, double factor) {
  const std::size_t percent = text.find('%');
  return percent != std::string_view::npos &&
         numberBefore(text, percent) == static_cast<std::int32_t>(factor * 100 + 0.5);
}

// Whether `text` shows "+amount to <end> Damage".
constexpr bool showsAddition(std::string_view text, std::int32_t amount, DamageEnd end) {
  const std::size_t space = text.find(' ');
  return text.starts_with('+') && space != std::string_view::npos &&
         numberBefore(text, space) == amount &&
         text.substr(space).starts_with(end == DamageEnd::minimum ? " to Minimum" : " to Maximum");
}

// The first effect of `table` that changes the values by other amounts than the description of
// its affix shows the player in the report, so that two rows swapped or a value mistyped in one
// table fails the build.
constexpr TableFault effectUnlikeDescription(std::string_view tableName,
                                             std::span<const PercentEffect> table) {
  for (std::size_t row = 0; row < table.size(); ++row) {
    const PercentEffect& effect = table[row];
    for (std::string_view name : {effect.name, effect.twin}) {
      if (name.empty()) continue;
      const DescriptionEntry& entry = descriptionOf(prefixDescriptions, name);
      if (!showsPercent(entry.leastText, effect.lowest) ||
          !showsPercent(entry.bestText, effect.best)) {
        return tableFault("an effect's percentages differ from its prefix's description", tableName,
                          row + 1, name);
      }
    }
  }
  return {};
}
constexpr TableFault effectUnlikeDescription(std::string_view tableName,
                                             std::span<const AdditionEffect> table) {
  for (std::size_t row = 0; row < table.size(); ++row) {
    const AdditionEffect& effect = table[row];
    const DescriptionEntry& entry = descriptionOf(suffixDescriptions, effect.name);
    if (!showsAddition(entry.leastText, effect.lowest, effect.end) ||
        !showsAddition(entry.bestText, effect.best, effect.end)) {
      return tableFault("an effect's amounts differ from its suffix's description", tableName,
                        row + 1, effect.name);
    }
  }
  return {};
}
static_assert(tableChecked<effectUnlikeDescription("damagePrefixEffects", damagePrefixEffects)>());
static_assert(
    tableChecked<effectUnlikeDescription("defensePrefixEffects", defensePrefixEffects)>());
static_assert(tableChecked<effectUnlikeDescription("damageSuffixEffects", damageSuffixEffects)>());

// The effect of `table` that matches `affix`, or nullptr.
template <typename Effect>
constexpr const Effect* findEffect(std::span<const Effect> table, std::string_view affix) {
  for (const Effect& effect : table) {
    if (effect.matches(affix)) return &effect;
  }
  return nullptr;
}

}  // namespace tessark
