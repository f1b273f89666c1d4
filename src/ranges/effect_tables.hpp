// The affixes that change damage or defense: the damage prefixes (each with a twin of equal
// effect) and the defense prefixes raise a range by percentages of its base, the damage suffixes
// add to one end of it; every other affix only records its description. The checks below prove
// that each effect is described and that its description shows the numbers it applies
// (report/prefix_descriptions.hpp, report/suffix_descriptions.hpp). applyAffix (apply_affix.cpp)
// reads the tables.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

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

// Every affix with an effect has a description, so its record reaches the report.
constexpr bool effectsDescribed() {
  for (const PercentEffect& effect : damagePrefixEffects) {
    if (!hasEntry(prefixDescriptions, effect.name) || !hasEntry(prefixDescriptions, effect.twin)) {
      return false;
    }
  }
  for (const PercentEffect& effect : defensePrefixEffects) {
    if (!hasEntry(prefixDescriptions, effect.name)) return false;
  }
  for (const AdditionEffect& effect : damageSuffixEffects) {
    if (!hasEntry(suffixDescriptions, effect.name)) return false;
  }
  return true;
}
static_assert(effectsDescribed());

// Every effect raises the best result at least as much as the lowest, so that no item's lowest
// result passes its best.
constexpr bool bestNeverBelowLowest() {
  for (const PercentEffect& effect : damagePrefixEffects) {
    if (effect.lowest > effect.best) return false;
  }
  for (const PercentEffect& effect : defensePrefixEffects) {
    if (effect.lowest > effect.best) return false;
  }
  for (const AdditionEffect& effect : damageSuffixEffects) {
    if (effect.lowest > effect.best) return false;
  }
  return true;
}
static_assert(bestNeverBelowLowest());

// The description of `name` in `table`; every effect has one (effectsDescribed).
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

// Whether every effect changes the values by what the description of its affix shows the player
// in the report, so that two rows swapped or a value mistyped in one table fails the build.
constexpr bool effectsMatchDescriptions() {
  for (std::span<const PercentEffect> table :
       {std::span<const PercentEffect>(damagePrefixEffects),
        std::span<const PercentEffect>(defensePrefixEffects)}) {
    for (const PercentEffect& effect : table) {
      for (std::string_view name : {effect.name, effect.twin}) {
        if (name.empty()) continue;
        const DescriptionEntry& entry = descriptionOf(prefixDescriptions, name);
        if (!showsPercent(entry.leastText, effect.lowest) ||
            !showsPercent(entry.bestText, effect.best)) {
          return false;
        }
      }
    }
  }
  for (const AdditionEffect& effect : damageSuffixEffects) {
    const DescriptionEntry& entry = descriptionOf(suffixDescriptions, effect.name);
    if (!showsAddition(entry.leastText, effect.lowest, effect.end) ||
        !showsAddition(entry.bestText, effect.best, effect.end)) {
      return false;
    }
  }
  return true;
}
static_assert(effectsMatchDescriptions());

// The effect of `table` that matches `affix`, or nullptr.
template <typename Effect>
constexpr const Effect* findEffect(std::span<const Effect> table, std::string_view affix) {
  for (const Effect& effect : table) {
    if (effect.matches(affix)) return &effect;
  }
  return nullptr;
}

}  // namespace tessark
