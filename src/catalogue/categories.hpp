// The item catalogue: the 18 categories in the order of the category menu, each with its prompt
// and the normal and exceptional menus of its base items, and the checks that every line names
// the item its number selects.

// "Amulet" and "Ring" have no base items. A menu is its printed lines beside its items in the
// order of their numbers; long menus print two columns per line. The statistics tables view these
// items (base_stats.hpp); the menus are shown by choose_category.cpp and choose_base_item.cpp.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/base_item.hpp"
#include "catalogue/category_id.hpp"
#include "foundation/numbered_line.hpp"
#include "foundation/table_fault.hpp"

namespace tessark {

// One category of the catalogue: its name, the prompt of its base item menus and its normal and
// exceptional base item menus. "Amulet" and "Ring" have no menus and no prompt.
struct CategoryEntry {
  CategoryId id;
  std::string_view name;
  std::string_view prompt;
  BaseItemMenu normal;
  BaseItemMenu exceptional;
};

namespace catalogue_data {

// --- 1. Sword
inline constexpr std::string_view swordNormalLines[] = {
    "1. Short Sword     9.  Two-Handed Sword\n",
    "2. Scimitar        10. Claymore\n",
    "3. Sabre           11. Giant Sword\n",
    "4. Falchion        12. Bastard Sword\n",
    "5. Crystal Sword   13. Flamberge\n",
    "6. Broad Sword     14. Great Sword\n",
    "7. Long Sword      \n",
    "8. War Sword       \n",
};
inline constexpr BaseItem swordNormal[] = {
    {"Short Sword", 2, 7}, {"Scimitar", 2, 6},       {"Sabre", 3, 8},
    {"Falchion", 7, 15},   {"Crystal Sword", 5, 15}, {"Broad Sword", 7, 14},
    {"Long Sword", 3, 19}, {"War Sword", 3, 20},     {"Two-Handed Sword", 8, 17},
    {"Claymore", 13, 30},  {"Giant Sword", 9, 28},   {"Bastard Sword", 20, 28},
    {"Flamberge", 13, 26}, {"Great Sword", 25, 42},
};
inline constexpr std::string_view swordExceptionalLines[] = {
    "1. Gladius             9.  Espandon\n",
    "2. Cutlass             10. Dacian Falx\n",
    "3. Shamshir            11. Tusk Sword\n",
    "4. Tulwar              12. Gothic Sword\n",
    "5. Dimensional Blade   13. Zweihander\n",
    "6. Battle Sword        14. Executioner Sword\n",
    "7. Rune Sword          \n",
    "8. Ancient Sword       \n",
};
inline constexpr BaseItem swordExceptional[] = {
    {"Gladius", 8, 22},
    {"Cutlass", 8, 21},
    {"Shamshir", 10, 24},
    {"Tulwar", 16, 35},
    {"Dimensional Blade", 13, 35},
    {"Battle Sword", 16, 34},
    {"Rune Sword", 10, 42},
    {"Ancient Sword", 18, 43},
    {"Espandon", 18, 40},
    {"Dacian Falx", 26, 61},
    {"Tusk Sword", 19, 58},
    {"Gothic Sword", 37, 58},
    {"Zweihander", 26, 54},
    {"Executioner Sword", 45, 80},
};

// --- 2. Scepter
inline constexpr std::string_view scepterNormalLines[] = {
    "1. Scepter\n",
    "2. Grand Scepter\n",
    "3. War Scepter\n",
};
inline constexpr BaseItem scepterNormal[] = {
    {"Scepter", 5, 8},
    {"Grand Scepter", 6, 11},
    {"War Scepter", 7, 14},
};
inline constexpr std::string_view scepterExceptionalLines[] = {
    "1. Rune Scepter\n",
    "2. Divine Scepter\n",
};
inline constexpr BaseItem scepterExceptional[] = {
    {"Rune Scepter", 13, 24},
    {"Divine Scepter", 16, 34},
};

// --- 3. Wand
inline constexpr std::string_view wandNormalLines[] = {
    "1. Wand\n",
    "2. Yew Wand\n",
    "3. Bone Wand\n",
    "4. Grim Wand\n",
};
inline constexpr BaseItem wandNormal[] = {
    {"Wand", 2, 4},
    {"Yew Wand", 2, 8},
    {"Bone Wand", 3, 7},
    {"Grim Wand", 5, 11},
};
inline constexpr std::string_view wandExceptionalLines[] = {
    "1. Burnt Wand\n",
    "2. Petrified Wand\n",
    "3. Tomb Wand\n",
    "4. Grave Wand\n",
};
inline constexpr BaseItem wandExceptional[] = {
    {"Burnt Wand", 8, 18},
    {"Petrified Wand", 8, 24},
    {"Tomb Wand", 10, 22},
    {"Grave Wand", 13, 29},
};

// --- 4. Staff
inline constexpr std::string_view staffNormalLines[] = {
    "1. Short Staff\n",  "2. Long Staff\n", "3. Gnarled Staff\n",
    "4. Battle Staff\n", "5. War Staff\n",
};
inline constexpr BaseItem staffNormal[] = {
    {"Short Staff", 1, 5},   {"Long Staff", 2, 8},  {"Gnarled Staff", 4, 12},
    {"Battle Staff", 6, 13}, {"War Staff", 12, 28},
};
inline constexpr std::string_view staffExceptionalLines[] = {
    "1. Jo Staff\n",     "2. Quarter Staff\n", "3. Cedar Staff\n",
    "4. Gothic Staff\n", "5. Rune Staff\n",
};
inline constexpr BaseItem staffExceptional[] = {
    {"Jo Staff", 6, 21},      {"Quarter Staff", 8, 26}, {"Cedar Staff", 11, 32},
    {"Gothic Staff", 14, 34}, {"Rune Staff", 24, 58},
};

// --- 5. Bow
inline constexpr std::string_view bowNormalLines[] = {
    "1. Short Bow           9.  Light Crossbow\n",
    "2. Hunter's Bow        10. Crossbow\n",
    "3. Long Bow            11. Heavy Crossbow\n",
    "4. Composite Bow       12. Repeating Crossbow\n",
    "5. Short Battle Bow    \n",
    "6. Long Battle Bow     \n",
    "7. Short War Bow       \n",
    "8. Long War Bow        \n",
};
inline constexpr BaseItem bowNormal[] = {
    {"Short Bow", 1, 4},      {"Hunter's Bow", 2, 6},      {"Long Bow", 3, 10},
    {"Composite Bow", 4, 8},  {"Short Battle Bow", 5, 11}, {"Long Battle Bow", 3, 18},
    {"Short War Bow", 6, 14}, {"Long War Bow", 3, 23},     {"Light Crossbow", 6, 9},
    {"Crossbow", 9, 14},      {"Heavy Crossbow", 12, 20},  {"Repeating Crossbow", 6, 12},
};
inline constexpr std::string_view bowExceptionalLines[] = {
    "1. Edge Bow           9.  Arbalest\n",
    "2. Razor Bow          10. Siege Crossbow\n",
    "3. Cedar Bow          11. Ballista\n",
    "4. Double Bow         12. Cho-Ko-Nu\n",
    "5. Short Siege Bow    \n",
    "6. Long Siege Bow     \n",
    "7. Rune Bow           \n",
    "8. Gothic Bow         \n",
};
inline constexpr BaseItem bowExceptional[] = {
    {"Edge Bow", 6, 19},        {"Razor Bow", 8, 22},        {"Cedar Bow", 10, 29},
    {"Double Bow", 11, 26},     {"Short Siege Bow", 13, 30}, {"Long Siege Bow", 10, 42},
    {"Rune Bow", 14, 35},       {"Gothic Bow", 10, 50},      {"Arbalest", 14, 27},
    {"Siege Crossbow", 19, 35}, {"Ballista", 24, 45},        {"Cho-Ko-Nu", 14, 32},
};

// --- 6. Dagger
inline constexpr std::string_view daggerNormalLines[] = {
    "1. Dagger\n",
    "2. Dirk\n",
    "3. Kris\n",
    "4. Blade\n",
};
inline constexpr BaseItem daggerNormal[] = {
    {"Dagger", 1, 4},
    {"Dirk", 3, 7},
    {"Kris", 2, 8},
    {"Blade", 4, 12},
};
inline constexpr std::string_view daggerExceptionalLines[] = {
    "1. Poinard\n",
    "2. Rondel\n",
    "3. Cinquedeas\n",
    "4. Stiletto\n",
};
inline constexpr BaseItem daggerExceptional[] = {
    {"Poinard", 6, 18},
    {"Rondel", 10, 22},
    {"Cinquedeas", 8, 26},
    {"Stiletto", 11, 30},
};

// --- 7. Mace
inline constexpr std::string_view maceNormalLines[] = {
    "1. Club\n",  "2. Spiked Club\n", "3. Mace\n", "4. Morning Star\n",
    "5. Flail\n", "6. War Hammer\n",  "7. Maul\n", "8. Great Maul\n",
};
inline constexpr BaseItem maceNormal[] = {
    {"Club", 1, 6},   {"Spiked Club", 5, 6},  {"Mace", 3, 10},  {"Morning Star", 5, 12},
    {"Flail", 1, 15}, {"War Hammer", 11, 20}, {"Maul", 30, 40}, {"Great Maul", 35, 55},
};
inline constexpr std::string_view maceExceptionalLines[] = {
    "1. Cudgel\n", "2. Barbed Club\n",   "3. Flanged Mace\n",  "4. Jagged Star\n",
    "5. Knout\n",  "6. Battle Hammer\n", "7. Martel de Fer\n",
};
inline constexpr BaseItem maceExceptional[] = {
    {"Cudgel", 6, 21},          {"Barbed Club", 13, 21}, {"Flanged Mace", 10, 27},
    {"Jagged Star", 13, 30},    {"Knout", 6, 35},        {"Battle Hammer", 22, 43},
    {"Martel de Fer", 61, 101},
};

// --- 8. Axe
inline constexpr std::string_view axeNormalLines[] = {
    "1. Hand Axe       6.  Large Axe\n",  "2. Axe            7.  Broad Axe\n",
    "3. Double Axe     8.  Battle Axe\n", "4. Military Pick  9.  Great Axe\n",
    "5. War Axe        10. Giant Axe\n",
};
inline constexpr BaseItem axeNormal[] = {
    {"Hand Axe", 3, 6},   {"Axe", 3, 11},        {"Double Axe", 5, 12}, {"Military Pick", 6, 10},
    {"War Axe", 8, 14},   {"Large Axe", 6, 13},  {"Broad Axe", 10, 18}, {"Battle Axe", 12, 28},
    {"Great Axe", 8, 26}, {"Giant Axe", 26, 38},
};
inline constexpr std::string_view axeExceptionalLines[] = {
    "1. Hatchet         6.  Military Axe\n", "2. Cleaver         7.  Bearded Axe\n",
    "3. Twin Axe        8.  Tabar\n",        "4. Crowbill        9.  Gothic Axe\n",
    "5. Naga            10. Ancient Axe\n",
};
inline constexpr BaseItem axeExceptional[] = {
    {"Hatchet", 10, 21},    {"Cleaver", 10, 29},      {"Twin Axe", 13, 30},    {"Crowbill", 14, 27},
    {"Naga", 18, 34},       {"Military Axe", 14, 34}, {"Bearded Axe", 21, 42}, {"Tabar", 24, 58},
    {"Gothic Axe", 18, 54}, {"Ancient Axe", 46, 74},
};

// --- 9. Spear
inline constexpr std::string_view spearNormalLines[] = {
    "1. Spear\n", "2. Trident\n", "3. Brandistock\n", "4. Spetum\n", "5. Pike\n",
};
inline constexpr BaseItem spearNormal[] = {
    {"Spear", 3, 15},   {"Trident", 9, 15}, {"Brandistock", 7, 17},
    {"Spetum", 15, 21}, {"Pike", 14, 63},
};
inline constexpr std::string_view spearExceptionalLines[] = {
    "1. War Spear\n",
    "2. Fuscina\n",
    "3. War Fork\n",
    "4. Yari\n",
};
inline constexpr BaseItem spearExceptional[] = {
    {"War Spear", 10, 37},
    {"Fuscina", 19, 37},
    {"War Fork", 16, 40},
    {"Yari", 29, 46},
};

// --- 10. Polearm
inline constexpr std::string_view polearmNormalLines[] = {
    "1. Bardiche\n", "2. Voulge\n",  "3. Scythe\n",
    "4. Poleaxe\n",  "5. Halberd\n", "6. War Scythe\n",
};
inline constexpr BaseItem polearmNormal[] = {
    {"Bardiche", 1, 27}, {"Voulge", 6, 20},   {"Scythe", 8, 20},
    {"Poleaxe", 18, 30}, {"Halberd", 12, 40}, {"War Scythe", 15, 32},
};
inline constexpr std::string_view polearmExceptionalLines[] = {
    "1. Lochaber Axe\n", "2. Bill\n",          "3. Battle Scythe\n",
    "4. Partizan\n",     "5. Bec-de-Corbin\n", "6. Grim Scythe\n",
};
inline constexpr BaseItem polearmExceptional[] = {
    {"Lochaber Axe", 6, 56}, {"Bill", 14, 45},          {"Battle Scythe", 18, 45},
    {"Partizan", 34, 61},    {"Bec-de-Corbin", 24, 77}, {"Grim Scythe", 29, 64},
};

// --- 11. Armor
inline constexpr std::string_view armorNormalLines[] = {
    "1. Quilted Armor        9.  Splint Mail\n",   "2. Leather Armor        10. Light Plate\n",
    "3. Hard Leather Armor   11. Field Plate\n",   "4. Studded Leather      12. Plate Mail\n",
    "5. Ring Mail            13. Gothic Plate\n",  "6. Scale Mail           14. Full Plate Mail\n",
    "7. Breast Plate         15. Ancient Armor\n", "8. Chain Mail           \n",
};
inline constexpr BaseItem armorNormal[] = {
    {"Quilted Armor", 8, 11},    {"Leather Armor", 14, 17},     {"Hard Leather Armor", 21, 24},
    {"Studded Leather", 32, 35}, {"Ring Mail", 45, 48},         {"Scale Mail", 57, 60},
    {"Breast Plate", 65, 68},    {"Chain Mail", 72, 75},        {"Splint Mail", 90, 95},
    {"Light Plate", 90, 107},    {"Field Plate", 101, 105},     {"Plate Mail", 108, 116},
    {"Gothic Plate", 128, 135},  {"Full Plate Mail", 150, 161}, {"Ancient Armor", 218, 233},
};
inline constexpr std::string_view armorExceptionalLines[] = {
    "1. Ghost Armor           9.  Russet Armor\n",
    "2. Serpentskin Armor     10. Mage Plate\n",
    "3. Demonhide Armor       11. Sharktooth Armor\n",
    "4. Trellised Armor       12. Templar Coat\n",
    "5. Linked Mail           13. Embossed Plate\n",
    "6. Tigulated Mail        14. Chaos Armor\n",
    "7. Cuirass               15. Ornate Plate\n",
    "8. Mesh Armor            \n",
};
inline constexpr BaseItem armorExceptional[] = {
    {"Ghost Armor", 102, 117},     {"Serpentskin Armor", 111, 126}, {"Demonhide Armor", 122, 136},
    {"Trellised Armor", 138, 153}, {"Linked Mail", 158, 172},       {"Tigulated Mail", 176, 190},
    {"Cuirass", 188, 202},         {"Mesh Armor", 198, 213},        {"Russet Armor", 225, 243},
    {"Mage Plate", 225, 261},      {"Sharktooth Armor", 242, 258},  {"Templar Coat", 252, 274},
    {"Embossed Plate", 282, 303},  {"Chaos Armor", 315, 342},       {"Ornate Plate", 417, 450},
};

// --- 12. Boots
inline constexpr std::string_view bootsNormalLines[] = {
    "1. Boots\n", "2. Heavy Boots\n", "3. Chain Boots\n", "4. Light Plated Boots\n", "5. Greaves\n",
};
inline constexpr BaseItem bootsNormal[] = {
    {"Boots", 2, 3},       {"Heavy Boots", 5, 6},
    {"Chain Boots", 8, 9}, {"Light Plated Boots", 9, 11},
    {"Greaves", 12, 15},
};
inline constexpr std::string_view bootsExceptionalLines[] = {
    "1. Demonhide Boots\n", "2. Sharkskin Boots\n", "3. Mesh Boots\n",
    "4. Battle Boots\n",    "5. War Boots\n",
};
inline constexpr BaseItem bootsExceptional[] = {
    {"Demonhide Boots", 28, 35}, {"Sharkskin Boots", 33, 39}, {"Mesh Boots", 37, 44},
    {"Battle Boots", 39, 47},    {"War Boots", 43, 53},
};

// --- 13. Gloves
inline constexpr std::string_view glovesNormalLines[] = {
    "1. Leather Gloves\n",  "2. Heavy Gloves\n", "3. Chain Gloves\n",
    "4. Light Gauntlets\n", "5. Gauntlets\n",
};
inline constexpr BaseItem glovesNormal[] = {
    {"Leather Gloves", 2, 3},   {"Heavy Gloves", 5, 6}, {"Chain Gloves", 8, 9},
    {"Light Gauntlets", 9, 11}, {"Gauntlets", 12, 15},
};
inline constexpr std::string_view glovesExceptionalLines[] = {
    "1. Demonhide Gloves\n", "2. Sharkskin Gloves\n", "3. Heavy Bracers\n",
    "4. Battle Gauntlets\n", "5. War Gauntlets\n",
};
inline constexpr BaseItem glovesExceptional[] = {
    {"Demonhide Gloves", 28, 35}, {"Sharkskin Gloves", 33, 39}, {"Heavy Bracers", 37, 44},
    {"Battle Gauntlets", 39, 47}, {"War Gauntlets", 43, 53},
};

// --- 14. Helm
inline constexpr std::string_view helmNormalLines[] = {
    "1. Cap\n",  "2. Skull Cap\n",  "3. Helm\n",  "4. Full Helm\n",
    "5. Mask\n", "6. Great Helm\n", "7. Crown\n", "8. Bone Helm\n",
};
inline constexpr BaseItem helmNormal[] = {
    {"Cap", 3, 5},   {"Skull Cap", 8, 11},   {"Helm", 15, 18},  {"Full Helm", 23, 26},
    {"Mask", 9, 27}, {"Great Helm", 30, 35}, {"Crown", 25, 45}, {"Bone Helm", 33, 36},
};
inline constexpr std::string_view helmExceptionalLines[] = {
    "1. War Hat\n",    "2. Sallet\n",      "3. Casque\n",      "4. Basinet\n",
    "5. Death Mask\n", "6. Winged Helm\n", "7. Grand Crown\n",
};
inline constexpr BaseItem helmExceptional[] = {
    {"War Hat", 45, 53},    {"Sallet", 52, 62},      {"Casque", 63, 72},       {"Basinet", 75, 84},
    {"Death Mask", 54, 86}, {"Winged Helm", 85, 98}, {"Grand Crown", 78, 113},
};

// --- 15. Shield
inline constexpr std::string_view shieldNormalLines[] = {
    "1. Buckler\n",       "2. Small Shield\n", "3. Large Shield\n", "4. Kite Shield\n",
    "5. Spiked Shield\n", "6. Tower Shield\n", "7. Bone Shield\n",  "8. Gothic Shield\n",
};
inline constexpr BaseItem shieldNormal[] = {
    {"Buckler", 4, 6},       {"Small Shield", 8, 10},   {"Large Shield", 12, 14},
    {"Kite Shield", 16, 18}, {"Spiked Shield", 15, 25}, {"Tower Shield", 22, 24},
    {"Bone Shield", 10, 30}, {"Gothic Shield", 30, 35},
};
inline constexpr std::string_view shieldExceptionalLines[] = {
    "1. Defender\n",      "2. Round Shield\n", "3. Scutum\n",      "4. Dragon Shield\n",
    "5. Barbed Shield\n", "6. Pavise\n",       "7. Grim Shield\n", "8. Ancient Shield\n",
};
inline constexpr BaseItem shieldExceptional[] = {
    {"Defender", 41, 49},      {"Round Shield", 47, 55},   {"Scutum", 53, 61},
    {"Dragon Shield", 59, 67}, {"Barbed Shield", 68, 78},  {"Pavise", 68, 78},
    {"Grim Shield", 50, 150},  {"Ancient Shield", 80, 93},
};

// --- 16. Belt
inline constexpr std::string_view beltNormalLines[] = {
    "1. Sash\n", "2. Light Belt\n", "3. Belt\n", "4. Heavy Belt\n", "5. Plated Belt\n",
};
inline constexpr BaseItem beltNormal[] = {
    {"Sash", 2, 2},       {"Light Belt", 3, 3},   {"Belt", 5, 5},
    {"Heavy Belt", 6, 6}, {"Plated Belt", 8, 11},
};
inline constexpr std::string_view beltExceptionalLines[] = {
    "1. Demonhide Sash\n", "2. Sharkskin Belt\n", "3. Mesh Belt\n",
    "4. Battle Belt\n",    "5. War Belt\n",
};
inline constexpr BaseItem beltExceptional[] = {
    {"Demonhide Sash", 29, 34}, {"Sharkskin Belt", 31, 36}, {"Mesh Belt", 35, 40},
    {"Battle Belt", 37, 42},    {"War Belt", 41, 52},
};

}  // namespace catalogue_data

// The 18 categories in the order of the category menu.
inline constexpr std::array<CategoryEntry, categoryCount> categories{{
    {CategoryId::sword,
     "Sword",
     "Which Sword: ",
     {catalogue_data::swordNormalLines, catalogue_data::swordNormal},
     {catalogue_data::swordExceptionalLines, catalogue_data::swordExceptional}},
    {CategoryId::scepter,
     "Scepter",
     "Which Scepter: ",
     {catalogue_data::scepterNormalLines, catalogue_data::scepterNormal},
     {catalogue_data::scepterExceptionalLines, catalogue_data::scepterExceptional}},
    {CategoryId::wand,
     "Wand",
     "Which Wand: ",
     {catalogue_data::wandNormalLines, catalogue_data::wandNormal},
     {catalogue_data::wandExceptionalLines, catalogue_data::wandExceptional}},
    {CategoryId::staff,
     "Staff",
     "Which Staff: ",
     {catalogue_data::staffNormalLines, catalogue_data::staffNormal},
     {catalogue_data::staffExceptionalLines, catalogue_data::staffExceptional}},
    {CategoryId::bow,
     "Bow",
     "Which Bow: ",
     {catalogue_data::bowNormalLines, catalogue_data::bowNormal},
     {catalogue_data::bowExceptionalLines, catalogue_data::bowExceptional}},
    {CategoryId::dagger,
     "Dagger",
     "Which Dagger: ",
     {catalogue_data::daggerNormalLines, catalogue_data::daggerNormal},
     {catalogue_data::daggerExceptionalLines, catalogue_data::daggerExceptional}},
    {CategoryId::mace,
     "Mace",
     "Which Mace: ",
     {catalogue_data::maceNormalLines, catalogue_data::maceNormal},
     {catalogue_data::maceExceptionalLines, catalogue_data::maceExceptional}},
    {CategoryId::axe,
     "Axe",
     "Which Axe: ",
     {catalogue_data::axeNormalLines, catalogue_data::axeNormal},
     {catalogue_data::axeExceptionalLines, catalogue_data::axeExceptional}},
    {CategoryId::spear,
     "Spear",
     "Which Spear: ",
     {catalogue_data::spearNormalLines, catalogue_data::spearNormal},
     {catalogue_data::spearExceptionalLines, catalogue_data::spearExceptional}},
    {CategoryId::polearm,
     "Polearm",
     "Which Polearm: ",
     {catalogue_data::polearmNormalLines, catalogue_data::polearmNormal},
     {catalogue_data::polearmExceptionalLines, catalogue_data::polearmExceptional}},
    {CategoryId::armor,
     "Armor",
     "Which Armor: ",
     {catalogue_data::armorNormalLines, catalogue_data::armorNormal},
     {catalogue_data::armorExceptionalLines, catalogue_data::armorExceptional}},
    {CategoryId::boots,
     "Boots",
     "Which Boots: ",
     {catalogue_data::bootsNormalLines, catalogue_data::bootsNormal},
     {catalogue_data::bootsExceptionalLines, catalogue_data::bootsExceptional}},
    {CategoryId::gloves,
     "Gloves",
     "Which Gloves: ",
     {catalogue_data::glovesNormalLines, catalogue_data::glovesNormal},
     {catalogue_data::glovesExceptionalLines, catalogue_data::glovesExceptional}},
    {CategoryId::helm,
     "Helm",
     "Which Helm: ",
     {catalogue_data::helmNormalLines, catalogue_data::helmNormal},
     {catalogue_data::helmExceptionalLines, catalogue_data::helmExceptional}},
    {CategoryId::shield,
     "Shield",
     "Which Shield: ",
     {catalogue_data::shieldNormalLines, catalogue_data::shieldNormal},
     {catalogue_data::shieldExceptionalLines, catalogue_data::shieldExceptional}},
    {CategoryId::belt,
     "Belt",
     "Which Belt: ",
     {catalogue_data::beltNormalLines, catalogue_data::beltNormal},
     {catalogue_data::beltExceptionalLines, catalogue_data::beltExceptional}},
    {CategoryId::amulet, "Amulet", {}, {}, {}},
    {CategoryId::ring, "Ring", {}, {}, {}},
}};

namespace catalogue_data {

// The number of base items of the categories `first` to `last` (menu numbers), both qualities.
constexpr std::size_t baseItemCount(int first, int last) {
  std::size_t count = 0;
  for (int number = first; number <= last; ++number) {
    const CategoryEntry& entry = categories[static_cast<std::size_t>(number) - 1];
    count += entry.normal.items.size() + entry.exceptional.items.size();
  }
  return count;
}

// The first fault of `menu`, whose lines must show, beside every number they print, the name of
// the item that number selects, and print every number of the menu exactly once. Long menus print
// two entries per line; the second one follows the blanks that line up the columns. The row of
// a fault is the line's, or the missing number's.
constexpr TableFault menuLineFault(std::string_view menuName, const BaseItemMenu& menu) {
  std::uint32_t shown = 0;
  for (std::size_t row = 0; row < menu.lines.size(); ++row) {
    const std::string_view line = menu.lines[row];
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
      if (pos > 0 && line[pos - 1] != ' ') continue;
      const NumberedEntry entry = entryAt(line.substr(pos));
      if (entry.number == 0) continue;
      if (entry.number > menu.items.size()) {
        return tableFault("a line prints a number beyond the menu's items", menuName, row + 1,
                          line);
      }
      const std::uint32_t bit = std::uint32_t{1} << entry.number;
      if ((shown & bit) != 0) {
        return tableFault("a line prints a number printed before", menuName, row + 1, line);
      }
      if (!opensWithName(entry.text, menu.items[entry.number - 1].name)) {
        return tableFault("a line does not print the name of the item its number selects", menuName,
                          row + 1, line);
      }
      shown |= bit;
    }
  }
  for (std::size_t number = 1; number <= menu.items.size(); ++number) {
    if ((shown & (std::uint32_t{1} << number)) == 0) {
      return tableFault("no line prints the number of this item", menuName, number,
                        menu.items[number - 1].name);
    }
  }
  return {};
}

// The first fault of the base item menus of every category, in both qualities.
constexpr TableFault baseItemMenuFault() {
  for (const CategoryEntry& entry : categories) {
    TableFault fault = menuLineFault(PartName(entry.name, " normal base item menu"), entry.normal);
    if (fault.none()) {
      fault = menuLineFault(PartName(entry.name, " exceptional base item menu"), entry.exceptional);
    }
    if (!fault.none()) return fault;
  }
  return {};
}

// The first stored base item whose Min is below 1 or above its Max.
constexpr TableFault baseRangeFault() {
  for (const CategoryEntry& entry : categories) {
    for (const BaseItemMenu* menu : {&entry.normal, &entry.exceptional}) {
      for (std::size_t row = 0; row < menu->items.size(); ++row) {
        const BaseItem& item = menu->items[row];
        if (item.min < 1 || item.min > item.max) {
          return tableFault("a base item's Min is below 1 or above its Max",
                            PartName(entry.name, menu == &entry.normal ? " normal" : " exceptional",
                                     " base items"),
                            row + 1, item.name);
        }
      }
    }
  }
  return {};
}

// The first category out of menu order: entry n - 1 must have the id of number n.
constexpr TableFault categoryOrderFault() {
  for (std::size_t index = 0; index < categories.size(); ++index) {
    if (static_cast<std::size_t>(categories[index].id) != index + 1) {
      return tableFault("a category's id is not its number in the menu", "categories", index + 1,
                        categories[index].name);
    }
  }
  return {};
}

}  // namespace catalogue_data

static_assert(tableChecked<catalogue_data::categoryOrderFault()>());
static_assert(tableChecked<catalogue_data::baseItemMenuFault()>());
static_assert(catalogue_data::baseItemCount(1, 18) == 230);
static_assert(catalogue_data::baseItemCount(1, 10) == 139);
static_assert(catalogue_data::baseItemCount(11, 16) == 91);
static_assert(tableChecked<catalogue_data::baseRangeFault()>());

// The category of a name, compared as text with the catalogue's names; `none` for any other.
constexpr CategoryId categoryIdOf(std::string_view name) {
  for (const CategoryEntry& entry : categories) {
    if (entry.name == name) return entry.id;
  }
  return CategoryId::none;
}

// The catalogue entry of a category that is not `none`.
constexpr const CategoryEntry& categoryEntry(CategoryId id) {
  return categories[static_cast<std::size_t>(id) - 1];
}

}  // namespace tessark
