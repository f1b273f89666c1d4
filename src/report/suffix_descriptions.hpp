// The descriptions of the 91 suffixes: the name and the Least and Best texts that the modifier
// list records when a suffix is applied, one entry per suffix, found by the name its tag carries.

// "Life2" is recorded under the name "Life". Every tag of the suffix menu has an entry
// (affixes/menu_tags_described.cpp proves it); the effects of the damage suffixes are in
// ranges/effect_tables.hpp, which checks them against these texts.
#pragma once

#include <array>
#include <string_view>

#include "report/description_entry.hpp"

namespace tessark {

// The shown name and the Least and Best texts of every suffix, found by the key its tag carries.
inline constexpr std::array<DescriptionEntry, 91> suffixDescriptions{{
    {"Strength", "+1 to Strength", "+3 to Strength"},
    {"Might", "+4 to Strength", "+6 to Strength"},
    {"Ox", "+7 to Strength", "+10 to Strength"},
    {"Giant", "+11 to Strength", "+15 to Strength"},
    {"Titan", "+16 to Strength", "+20 to Strength"},
    {"Dexterity", "+1 to Dexterity", "+3 to Dexterity"},
    {"Skill", "+4 to Dexterity", "+6 to Dexterity"},
    {"Accuracy", "+7 to Dexterity", "+10 to Dexterity"},
    {"Precision", "+11 to Dexterity", "+15 to Dexterity"},
    {"Perfection", "+16 to Dexterity", "+20 to Dexterity"},
    {"Energy", "+1 to Mana", "+5 to Mana"},
    {"Mind", "+6 to Mana", "+10 to Mana"},
    {"Brilliance", "+11 to Mana", "+15 to Mana"},
    {"Sorcery", "+16 to Mana", "+20 to Mana"},
    {"Wizardry", "+21 to Mana", "+30 to Mana"},
    {"Life", "+5 to Life", "+5 to Life"},
    {"Jackal", "+1 to Life", "+5 to Life"},
    {"Fox", "+5 to Life", "+10 to Life"},
    {"Wolf", "+11 to Life", "+20 to Life"},
    {"Tiger", "+21 to Life", "+30 to Life"},
    {"Mammoth", "+31 to Life", "+40 to Life"},
    {"Colossus", "+41 to Life", "+60 to Life"},
    {"Light", "+1 to Light Radius", "+1 to Light Radius"},
    {"Radiance", "+3 to Light Radius", "+3 to Light Radius"},
    {"Sun", "+5 to Light Radius", "+5 to Light Radius"},
    {"Worth", "+1 to Minimum Damage", "+1 to Minimum Damage"},
    {"Measure", "+2 to Minimum Damage", "+2 to Minimum Damage"},
    {"Excellence", "+3 to Minimum Damage", "+3 to Minimum Damage"},
    {"Performance", "+4 to Minimum Damage", "+5 to Minimum Damage"},
    {"Craftsmanship", "+1 to Maximum Damage", "+2 to Maximum Damage"},
    {"Quality", "+2 to Maximum Damage", "+2 to Maximum Damage"},
    {"Maiming", "+3 to Maximum Damage", "+4 to Maximum Damage"},
    {"Slaying", "+5 to Maximum Damage", "+7 to Maximum Damage"},
    {"Gore", "+8 to Maximum Damage", "+10 to Maximum Damage"},
    {"Carnage", "+11 to Maximum Damage", "+15 to Maximum Damage"},
    {"Slaughter", "+15 to Maximum Damage", "+20 to Maximum Damage"},
    {"Flame", "Adds 1 to 2 Fire Damage", "Adds 1 to 6 Fire Damage"},
    {"Fire", "Adds 2 to 6 Fire Damage", "Adds 2 to 11 Fire Damage"},
    {"Burning", "Adds 10 to 10 Fire Damage", "Adds 10 to 20 Fire Damage"},
    {"Frost", "Adds 1 to 4 Cold Damage", "Adds 1 to 4 Cold Damage"},
    {"Glacier", "Adds 4 to 4 Cold Damage", "Adds 4 to 12 Cold Damage"},
    {"Shock", "Adds 1-8 Lightning Damage", "Adds 1-8 Lightning Damage"},
    {"Lightning", "Adds 1-16 Lightning Damage", "Adds 1-16 Lightning Damage"},
    {"Thunder", "Adds 1-32 Lightning Damage", "Adds 1-32 Lightning Damage"},
    {"Blight", "Adds 2-7 Poison Damage over 3 Seconds", "Adds 2-7 Poison Damage over 3 Seconds"},
    {"Venom", "Adds 4-14 Poison Damage over 3 Seconds", "Adds 4-14 Poison Damage over 3 Seconds"},
    {"Pestilence", "Adds 12-28 Poison Damage over 4 Seconds",
     "Adds 12-28 Poison Damage over 4 Seconds"},
    {"Remedy", "Poison Length Reduced by 25%", "Poison Length Reduced by 25%"},
    {"Amelioration", "Poison Length Reduced by 50%", "Poison Length Reduced by 50%"},
    {"Defiance", "Poison Length Reduced by 75%", "Poison Length Reduced by 75%"},
    {"Leech", "4% Life Stolen Per Hit", "7% Life Stolen Per Hit"},
    {"Locust", "8% Life Stolen Per Hit", "10% Life Stolen Per Hit"},
    {"Bat", "4% Mana Stolen Per Hit", "8% Mana Stolen Per Hit"},
    {"Vampire", "9% Mana Stolen Per Hit", "12% Mana Stolen Per Hit"},
    {"Regeneration", "Replenish Life +3", "Replenish Life +3"},
    {"Regrowth", "Replenish Life +5", "Replenish Life +5"},
    {"Readiness", "Attack Speed + 1(Slightly Increased)", "Attack Speed + 1(Slightly Increased)"},
    {"Alacrity", "Attack Speed + 2(Increased)", "Attack Speed + 2(Increased)"},
    {"Swiftness", "Attack Speed + 3(Increased)", "Attack Speed + 3(Increased)"},
    {"Quickness", "Attack Speed + 4(Greatly Increased)", "Attack Speed + 4(Greatly Increased)"},
    {"Blocking", "+10% Increased Blocking", "+10% Increased Blocking"},
    {"Deflecting", "+20% Increased Blocking", "+20% Increased Blocking"},
    {"Balance", "Fast Hit Recovery", "Fast Hit Recovery"},
    {"Stability", "Fastest Hit Recovery", "Fastest Hit Recovery"},
    {"Health", "Damage Reduced by 1", "Damage Reduced by 1"},
    {"Protection", "Damage Reduced by 2", "Damage Reduced by 2"},
    {"Absorption", "Damage Reduced by 3", "Damage Reduced by 3"},
    {"Life2", "Life", "Damage Reduced by 4", "Damage Reduced by 4"},
    {"Warding", "Magic Damage Reduced by 1", "Magic Damage Reduced by 1"},
    {"Sentinel", "Magic Damage Reduced by 2", "Magic Damage Reduced by 2"},
    {"Guarding", "Magic Damage Reduced by 3", "Magic Damage Reduced by 3"},
    {"Negation", "Magic Damage Reduced by 4", "Magic Damage Reduced by 4"},
    {"Greed", "40% Extra Gold From Monsters", "60% Extra Gold From Monsters"},
    {"Wealth", "80% Extra Gold From Monsters", "120% Extra Gold From Monsters"},
    {"Chance", "10% Better Chance of Getting Magic Item",
     "19% Better Chance of Getting Magic Item"},
    {"Fortune", "20% Better Chance of Getting Magic Item",
     "35% Better Chance of Getting Magic Item"},
    // Texts match the values of the Puncturing menu row.
    {"Puncturing", "-10 to Monster AC Per Hit", "-20 to Monster AC Per Hit"},
    // Texts match the values of the Bashing menu row.
    {"Bashing", "-25 to Monster AC Per Hit", "-40 to Monster AC Per Hit"},
    {"Apprentice", "Fast Cast Rate", "Fast Cast Rate"},
    {"Magus", "Fastest Cast Rate", "Fastest Cast Rate"},
    {"Thorns", "Attacker Takes Damage of 1", "Attacker Takes Damage of 3"},
    {"Spikes", "Attacker Takes Damage of 2", "Attacker Takes Damage of 6"},
    {"Ease", "Requirements -20%", "Requirements -20%"},
    {"Simplicity", "Requirements -40%", "Requirements -40%"},
    {"Pacing", "Fast Run/Walk", "Fast Run/Walk"},
    {"Haste", "Faster Run/Walk", "Faster Run/Walk"},
    {"Speed", "Fastest Run/Walk", "Fastest Run/Walk"},
    {"Bear", "Knockback", "Knockback"},
    {"Piercing", "Ignores Target's Defense", "Ignores Target's Defense"},
    {"Vileness", "Prevent Monster Heal", "Prevent Monster Heal"},
    {"Thawing", "Half Freeze Duration", "Half Freeze Duration"},
}};

static_assert(tableChecked<repeatedKey("suffixDescriptions", suffixDescriptions)>());
static_assert(tableChecked<recordLineTooLong("suffixDescriptions", suffixDescriptions)>());

}  // namespace tessark
