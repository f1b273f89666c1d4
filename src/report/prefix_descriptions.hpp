// The descriptions of the 70 prefixes: the name and the Least and Best texts that the modifier
// list records when a prefix is applied, one entry per prefix, found by the name its tag carries.

// Every tag of the prefix menus has an entry (affixes/menu_tags_described.cpp proves it); the
// effects of the damage and defense prefixes are in ranges/effect_tables.hpp, which checks them
// against these texts.
#pragma once

#include <array>
#include <string_view>

#include "report/description_entry.hpp"

namespace tessark {

// The shown name and the Least and Best texts of every prefix, found by the key its tag carries.
inline constexpr std::array<DescriptionEntry, 70> prefixDescriptions{{
    {"Bronze", "+10 Attack Rating", "+20 Attack Rating"},
    {"Iron", "+21 Attack Rating", "+40 Attack Rating"},
    {"Steel", "+41 Attack Rating", "+60 Attack Rating"},
    {"Silver", "+61 Attack Rating", "+80 Attack Rating"},
    {"Gold", "+81 Attack Rating", "+100 Attack Rating"},
    {"Platinum", "+101 Attack Rating", "+120 Attack Rating"},
    {"Meteoric", "+121 Attack Rating", "+150 Attack Rating"},
    {"Jagged", "110% Enhanced Damage", "120% Enhanced Damage"},
    {"Deadly", "121% Enhanced Damage", "130% Enhanced Damage"},
    {"Vicious", "131% Enhanced Damage", "140% Enhanced Damage"},
    {"Brutal", "141% Enhanced Damage", "150% Enhanced Damage"},
    {"Massive", "151% Enhanced Damage", "165% Enhanced Damage"},
    {"Savage", "166% Enhanced Damage", "180% Enhanced Damage"},
    {"Merciless", "181% Enhanced Damage", "200% Enhanced Damage"},
    {"Sharp", "+10 Attack Rating, 110% Enhanced Damage", "+20 Attack Rating, 120% Enhanced Damage"},
    {"Fine", "+21 Attack Rating, 121% Enhanced Damage", "+40 Attack Rating, 130% Enhanced Damage"},
    {"Warrior's", "+41 Attack Rating, 131% Enhanced Damage",
     "+60 Attack Rating, 140% Enhanced Damage"},
    {"Soldier's", "+61 Attack Rating, 141% Enhanced Damage",
     "+80 Attack Rating, 150% Enhanced Damage"},
    {"Knight's", "+81 Attack Rating, 151% Enhanced Damage",
     "+100 Attack Rating, 165% Enhanced Damage"},
    {"Lord's", "+101 Attack Rating, 166% Enhanced Damage",
     "+120 Attack Rating, 180% Enhanced Damage"},
    {"King's", "+121 Attack Rating, 181% Enhanced Damage",
     "+150 Attack Rating, 200% Enhanced Damage"},
    {"Sturdy", "120% Defense", "130% Defense"},
    {"Strong", "131% Defense", "140% Defense"},
    {"Glorious", "141% Defense", "150% Defense"},
    {"Blessed", "151% Defense", "160% Defense"},
    {"Saintly", "161% Defense", "180% Defense"},
    {"Holy", "181% Defense", "200% Defense"},
    {"Devious", "Magic Damage Reduced by 1", "Magic Damage Reduced by 1"},
    {"Fortified", "Magic Damage Reduced by 2", "Magic Damage Reduced by 2"},
    {"Lizard's", "+1 Mana", "+5 Mana"},
    {"Snake's", "+5 Mana", "+10 Mana"},
    {"Serpent's", "+11 Mana", "+20 Mana"},
    {"Drake's", "+21 Mana", "+30 Mana"},
    {"Dragon's", "+31 Mana", "+40 Mana"},
    {"Wyrm's", "+41 Mana", "+60 Mana"},
    {"Glimmering", "+1 to Light Radius", "+1 to Light Radius"},
    {"Glowing", "+2 to Light Radius", "+2 to Light Radius"},
    {"Crimson", "+5% Fire Resistance", "+10% Fire Resistance"},
    {"Burgundy", "+11% Fire Resistance", "+20% Fire Resistance"},
    {"Garnet", "+21% Fire Resistance", "+30% Fire Resistance"},
    {"Ruby", "+31% Fire Resistance", "+50% Fire Resistance"},
    {"Azure", "+5% Cold Resistance", "+10% Cold Resistance"},
    {"Lapis", "+11% Cold Resistance", "+20% Cold Resistance"},
    {"Cobalt", "+21% Cold Resistance", "+30% Cold Resistance"},
    {"Sapphire", "+31% Cold Resistance", "+50% Cold Resistance"},
    {"Ocher", "+5% Lightning Resistance", "+10% Lightning Resistance"},
    {"Tangerine", "+11% Lightning Resistance", "+20% Lightning Resistance"},
    {"Coral", "+21% Lightning Resistance", "+30% Lightning Resistance"},
    {"Amber", "+31% Lightning Resistance", "+50% Lightning Resistance"},
    {"Beryl", "+5% Poison Resistance", "+10% Poison Resistance"},
    {"Jade", "+11% Poison Resistance", "+20% Poison Resistance"},
    {"Viridian", "+21% Poison Resistance", "+30% Poison Resistance"},
    {"Emerald", "+31% Poison Resistance", "+50% Poison Resistance"},
    {"Prismatic", "+15% All Resistances(Rings +15%)", "+25% All Resistances(Rings +15%)"},
    {"Fletcher's", "+1 to Amazon Skill Levels", "+1 to Amazon Skill Levels"},
    {"Archer's", "+2 to Amazon Skill Levels", "+2 to Amazon Skill Levels"},
    {"Slayer's", "+1 to Barbarian Skill Levels", "+1 to Barbarian Skill Levels"},
    {"Berserker's", "+2 to Barbarian Skill Levels", "+2 to Barbarian Skill Levels"},
    {"Monk's", "+1 to Paladin Skill Levels", "+1 to Paladin Skill Levels"},
    {"Priest's", "+2 to Paladin Skill Levels", "+2 to Paladin Skill Levels"},
    {"Summoner's", "+1 to Necromancer Skill Levels", "+1 to Necromancer Skill Levels"},
    {"Necromancer's", "+2 to Necromancer Skill Levels", "+2 to Necromancer Skill Levels"},
    {"Angel's", "+1 to Sorceress Skill Levels", "+1 to Sorceress Skill Levels"},
    {"Arch-Angel's", "+2 to Sorceress Skill Levels", "+2 to Sorceress Skill Levels"},
    {"Vulpine", "10% Damage taken Goes to Mana", "10% Damage taken Goes to Mana"},
    {"Triumphant", "+1 Point of Mana After Each Kill", "+1 Point of Mana After Each Kill"},
    {"Fortuitous", "10% Better Chance of Getting Magic Item",
     "15% Better Chance of Getting Magic Item"},
    {"Rugged", "+5 to Max Stamina", "+10 to Max Stamina"},
    {"Tireless", "Heal Stamina +50%", "Heal Stamina +50%"},
    {"Howling", "Hit Causes Monsters to Flee", "Hit Causes Monsters to Flee"},
}};

static_assert(tableChecked<repeatedKey("prefixDescriptions", prefixDescriptions)>());
static_assert(tableChecked<recordLineTooLong("prefixDescriptions", prefixDescriptions)>());

}  // namespace tessark
