// The prefix menus: twelve blocks, one per set of categories that see the same menus, in the
// order of the category menu, with the checks that every category sees one block and every line
// prints what it selects.

// A block is a group menu whose lines open numbered sub-menus or choose a single prefix at once.
// The 40 sub-menus come first and are shared between blocks; one that shows only the first rows
// of another is a view of it (firstRows), not a copy. Shapes: prefix_menu_types.hpp; dialogue:
// choose_prefix.cpp; the description each tag must name: report/prefix_descriptions.hpp.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "affixes/prefix_menu_types.hpp"
#include "catalogue/category_id.hpp"
#include "foundation/numbered_line.hpp"
#include "foundation/table_fault.hpp"

namespace tessark {

namespace prefix_data {

// Sub-menus shared by the blocks. A menu that shows only the first rows of another is a view of
// it, so both always print the same lines.
inline constexpr PrefixRow pm1Rows[] = {
    {"1. Bronze    +10-20  to Attack Rating\n", "1Bronze"},
    {"2. Iron      +21-40  to Attack Rating\n", "1Iron"},
    {"3. Steel     +41-60  to Attack Rating\n", "1Steel"},
    {"4. Silver    +61-80  to Attack Rating\n", "1Silver"},
    {"5. Gold      +81-100 to Attack Rating\n", "1Gold"},
    {"6. Platinum +101-120 to Attack Rating\n", "1Platinum"},
    {"7. Meteoric +121-150 to Attack Rating\n", "1Meteoric"},
};
inline constexpr PrefixSubMenu pm1{"Attack Rating:\n", pm1Rows};

inline constexpr PrefixRow pm2Rows[] = {
    {"1. Jagged    110-120% Damage\n", "1Jagged"},    {"2. Deadly    121-130% Damage\n", "1Deadly"},
    {"3. Vicious   131-140% Damage\n", "1Vicious"},   {"4. Brutal    141-150% Damage\n", "1Brutal"},
    {"5. Massive   151-165% Damage\n", "1Massive"},   {"6. Savage    166-180% Damage\n", "1Savage"},
    {"7. Merciless 181-200% Damage\n", "1Merciless"},
};
inline constexpr PrefixSubMenu pm2{"+ Damage\n", pm2Rows};

inline constexpr PrefixRow pm3Rows[] = {
    {"1. Sharp       +10-20  to Attack Rating, Damage: 110-120%\n", "1Sharp"},
    {"2. Fine        +21-40  to Attack Rating, Damage: 121-130%\n", "1Fine"},
    {"3. Warrior's   +41-60  to Attack Rating, Damage: 131-140%\n", "1Warrior's"},
    {"4. Soldier's   +61-80  to Attack Rating, Damage: 141-150%\n", "1Soldier's"},
    {"5. Knight's    +81-100 to Attack Rating, Damage: 151-165%\n", "1Knight's"},
    {"6. Lord's     +101-120 to Attack Rating, Damage: 166-180%\n", "1Lord's"},
    {"7. King's     +121-150 to Attack Rating, Damage: 181-200%\n", "1King's"},
};
inline constexpr PrefixSubMenu pm3{"+ Attack Rating and Damage:\n", pm3Rows};

inline constexpr PrefixRow pm4Rows[] = {
    {"1. Burgundy   Fire Resist +11-20%\n", "1Burgundy"},
    {"2. Garnet     Fire Resist +21-30%\n", "1Garnet"},
};
inline constexpr PrefixSubMenu pm4{"+ Fire Resist\n", pm4Rows};

inline constexpr PrefixRow pm5Rows[] = {
    {"1. Lapis    Cold Resist +11-20%\n", "1Lapis"},
    {"2. Cobalt   Cold Resist +21-30%\n", "1Cobalt"},
};
inline constexpr PrefixSubMenu pm5{"+ Cold Resist\n", pm5Rows};

inline constexpr PrefixRow pm6Rows[] = {
    {"1. Tangerine  Lightning Resist +11-20%\n", "1Tangerine"},
    {"2. Coral      Lightning Resist +21-30%\n", "1Coral"},
};
inline constexpr PrefixSubMenu pm6{"+ Lightning Resist\n", pm6Rows};

inline constexpr PrefixRow pm7Rows[] = {
    {"1. Jade       Poison Resist +11-20%\n", "1Jade"},
    {"2. Viridian   Poison Resist +21-30%\n", "1Viridian"},
};
inline constexpr PrefixSubMenu pm7{"+ Poison Resist\n", pm7Rows};

inline constexpr PrefixRow pm8Rows[] = {
    {"1. Slayer's    +1 Barbarian Skill Levels\n", "1Slayer's"},
    {"2. Berserker's +2 Barbarian Skill Levels\n", "1Berserker's"},
};
inline constexpr PrefixSubMenu pm8{"+ Barbarian Skill Levels\n", pm8Rows};

inline constexpr PrefixRow pm9Rows[] = {
    {"1. Lizard's   + 1-5 to Mana\n", "1Lizard's"},
    {"2. Snake's    + 5-10 to Mana\n", "1Snake's"},
    {"3. Serpent's  +11-20 to Mana\n", "1Serpent's"},
    {"4. Drake's    +21-30 to Mana\n", "1Drake's"},
    {"5. Dragon's   +31-40 to Mana\n", "1Dragon's"},
    {"6. Wyrm's     +41-60 to Mana\n", "1Wyrm's"},
};
inline constexpr PrefixSubMenu pm9{"+ Mana\n", pm9Rows};

inline constexpr PrefixRow pm10Rows[] = {
    {"1. Crimson    Fire Resist + 5-10%\n", "1Crimson"},
    {"2. Burgundy   Fire Resist +11-20%\n", "1Burgundy"},
    {"3. Garnet     Fire Resist +21-30%\n", "1Garnet"},
};
inline constexpr PrefixSubMenu pm10{"+ Fire Resist\n", pm10Rows};

inline constexpr PrefixRow pm11Rows[] = {
    {"1. Azure   Cold Resist + 5-10%\n", "1Azure"},
    {"2. Lapis   Cold Resist +11-20%\n", "1Lapis"},
    {"3. Cobalt  Cold Resist +21-30%\n", "1Cobalt"},
};
inline constexpr PrefixSubMenu pm11{"+ Cold Resist\n", pm11Rows};

inline constexpr PrefixRow pm12Rows[] = {
    {"1. Ocher      Lightning Resist + 5-10%\n", "1Ocher"},
    {"2. Tangerine  Lightning Resist +11-20%\n", "1Tangerine"},
    {"3. Coral      Lightning Resist +21-30%\n", "1Coral"},
};
inline constexpr PrefixSubMenu pm12{"+ Lightning Resist\n", pm12Rows};

inline constexpr PrefixRow pm13Rows[] = {
    {"1. Beryl     Poison Resist + 5-10%\n", "1Beryl"},
    {"2. Jade      Poison Resist +11-20%\n", "1Jade"},
    {"3. Viridian  Poison Resist +21-30%\n", "1Viridian"},
    {"4. Emerald   Poison Resist +31-50%\n", "1Emerald"},
};
inline constexpr PrefixSubMenu pm13{"+ Poison Resist\n", pm13Rows};

inline constexpr PrefixRow pm14Rows[] = {
    {"1. Monk's    +1 Paladin Skill Levels\n", "1Monk's"},
    {"2. Priest's  +2 Paladin Skill Levels\n", "1Priest's"},
};
inline constexpr PrefixSubMenu pm14{"+ Paladin Skill Levels\n", pm14Rows};

inline constexpr PrefixSubMenu pm15 = pm1.firstRows(6);

inline constexpr PrefixSubMenu pm16 = pm2.firstRows(5);

inline constexpr PrefixSubMenu pm17 = pm3.firstRows(5);

inline constexpr PrefixRow pm18Rows[] = {
    {"1. Glimmering   +1 Light Radius\n", "1Glimmering"},
    {"2. Glowing      +2 Light Radius\n", "1Glowing"},
};
inline constexpr PrefixSubMenu pm18{"+ Light Radius\n", pm18Rows};

inline constexpr PrefixRow pm19Rows[] = {
    {"1. Crimson    Fire Resist + 5-10%\n", "1Crimson"},
    {"2. Burgundy   Fire Resist +11-20%\n", "1Burgundy"},
    {"3. Garnet     Fire Resist +21-30%\n", "1Garnet"},
    {"4. Ruby       Fire Resist +31-50%\n", "1Ruby"},
};
inline constexpr PrefixSubMenu pm19{"+ Fire Resist\n", pm19Rows};

inline constexpr PrefixRow pm20Rows[] = {
    {"1. Azure     Cold Resist + 5-10%\n", "1Azure"},
    {"2. Lapis     Cold Resist +11-20%\n", "1Lapis"},
    {"3. Cobalt    Cold Resist +21-30%\n", "1Cobalt"},
    {"4. Sapphire  Cold Resist +31-50%\n", "1Sapphire"},
};
inline constexpr PrefixSubMenu pm20{"+ Cold Resist\n", pm20Rows};

inline constexpr PrefixRow pm21Rows[] = {
    {"1. Ocher      Lightning Resist + 5-10%\n", "1Ocher"},
    {"2. Tangerine  Lightning Resist +11-20%\n", "1Tangerine"},
    {"3. Coral      Lightning Resist +21-30%\n", "1Coral"},
    {"4. Amber      Lightning Resist +31-50% \n", "1Amber"},
};
inline constexpr PrefixSubMenu pm21{"+ Lightning Resist\n", pm21Rows};

inline constexpr PrefixSubMenu pm22 = pm13.firstRows(3);

inline constexpr PrefixRow pm23Rows[] = {
    {"1. Summoner's     +1 Necromancer Skill Levels\n", "1Summoner's"},
    {"2. Necromancer's  +2 Necromancer Skill Levels\n", "1Necromancer's"},
};
inline constexpr PrefixSubMenu pm23{"+ Necromancer Skill Levels\n", pm23Rows};

inline constexpr PrefixRow pm24Rows[] = {
    {"1. Angel's      +1 Sorceress Skill Levels\n", "1Angel's"},
    {"2. Arch-Angel's  +2 Sorceress Skill Levels\n", "1Arch-Angel's"},
};
inline constexpr PrefixSubMenu pm24{"+ Sorceress Skill Levels\n", pm24Rows};

inline constexpr PrefixRow pm25Rows[] = {
    {"1. Azure    Cold Resist + 5-10%\n", "1Azure"},
    {"2. Lapis    Cold Resist +11-20%\n", "1Lapis"},
    {"3. Cobalt   Cold Resist +21-30%\n", "1Cobalt"},
    {"4. Sapphire Cold Resist +31-50%\n", "1Sapphire"},
};
inline constexpr PrefixSubMenu pm25{"+ Cold Resist\n", pm25Rows};

inline constexpr PrefixRow pm26Rows[] = {
    {"1. Ocher      Lightning Resist + 5-10%\n", "1Ocher"},
    {"2. Tangerine  Lightning Resist +11-20%\n", "1Tangerine"},
    {"3. Coral      Lightning Resist +21-30%\n", "1Coral"},
    {"4. Amber      Lightning Resist +31-50%\n", "1Amber"},
};
inline constexpr PrefixSubMenu pm26{"+ Lightning Resist\n", pm26Rows};

inline constexpr PrefixRow pm27Rows[] = {
    {"1. Beryl      Poison Resist + 5-10%\n", "1Beryl"},
    {"2. Jade       Poison Resist +11-20%\n", "1Jade"},
    {"3. Viridian   Poison Resist +21-30%\n", "1Viridian"},
};
inline constexpr PrefixSubMenu pm27{"+ Poison Resist\n", pm27Rows};

inline constexpr PrefixRow pm28Rows[] = {
    {"1. Fletcher's    +1 Amazon Skill Levels\n", "1Fletcher's"},
    {"2. Archer's      +2 Amazon Skill Levels\n", "1Archer's"},
};
inline constexpr PrefixSubMenu pm28{"+ Amazon Skill Levels\n", pm28Rows};

inline constexpr PrefixRow pm29Rows[] = {
    {"1. Sturdy      120-130% Defense\n", "1Sturdy"},
    {"2. Strong      131-140% Defense\n", "1Strong"},
    {"3. Glorious    141-150% Defense\n", "1Glorious"},
    {"4. Blessed     151-160% Defense\n", "1Blessed"},
    {"5. Saintly     161-180% Defense\n", "1Saintly"},
    {"6. Holy        181-200% Defense\n", "1Holy"},
};
inline constexpr PrefixSubMenu pm29{"+ Defense\n", pm29Rows};

inline constexpr PrefixRow pm30Rows[] = {
    {"1. Lizard's     + 1-5 to Mana\n", "1Lizard's"},
    {"2. Serpent's    +11-20 to Mana\n", "1Serpent's"},
    {"3. Dragon's     +31-40 to Mana\n", "1Dragon's"},
};
inline constexpr PrefixSubMenu pm30{"+ Mana\n", pm30Rows};

inline constexpr PrefixRow pm31Rows[] = {
    {"1. Serpent's    +11-20 to Mana\n", "1Serpent's"},
    {"2. Dragon's     +31-40 to Mana\n", "1Dragon's"},
};
inline constexpr PrefixSubMenu pm31{"+ Mana\n", pm31Rows};

inline constexpr PrefixRow pm32Rows[] = {
    {"1. Ocher      Lightning Resist +5-10%\n", "1Ocher"},
    {"2. Tangerine  Lightning Resist +11-20%\n", "1Tangerine"},
    {"3. Coral      Lightning Resist +21-30%\n", "1Coral"},
    {"4. Amber      Lightning Resist +31-50%\n", "1Amber"},
};
inline constexpr PrefixSubMenu pm32{"+ Lightning Resist\n", pm32Rows};

inline constexpr PrefixRow pm33Rows[] = {
    {"1. Beryl      Poison Resist 5-10%\n", "1Beryl"},
    {"2. Jade       Poison Resist +11-20%\n", "1Jade"},
    {"3. Viridian   Poison Resist +21-30%\n", "1Viridian"},
};
inline constexpr PrefixSubMenu pm33{"+ Poison Resist\n", pm33Rows};

inline constexpr PrefixSubMenu pm34 = pm25.firstRows(3);

inline constexpr PrefixSubMenu pm35 = pm32.firstRows(3);

inline constexpr PrefixRow pm36Rows[] = {
    {"1. Devious     Magic Damage Reduced by 1\n", "1Devious"},
    {"2. Fortified   Magic Damage Reduced by 2\n", "1Fortified"},
};
inline constexpr PrefixSubMenu pm36{"- Magic Damage\n", pm36Rows};

inline constexpr PrefixRow pm37Rows[] = {
    {"1. Lizard's    +1-5 to Mana\n", "1Lizard's"},
    {"2. Snake's     +5-10 to Mana\n", "1Snake's"},
};
inline constexpr PrefixSubMenu pm37{"+ Mana\n", pm37Rows};

inline constexpr PrefixSubMenu pm38 = pm9.firstRows(4);

inline constexpr PrefixRow pm39Rows[] = {
    {"1. Fletcher's     +1 to Amazon Skill Levels\n", "1Fletcher's"},
    {"2. Archer's       +2 to Amazon Skill Levels\n", "1Archer's"},
    {"3. Slayer's       +1 to Barbarian Skill Levels \n", "1Slayer's"},
    {"4. Berserker's    +2 to Barbarian Skill Levels \n", "1Berserker's"},
    {"5. Monk's         +1 to Paladin Skill Levels \n", "1Monk's"},
    {"6. Priest's       +2 to Paladin Skill Levels \n", "1Priest's"},
    {"7. Summoner's     +1 to Necromancer Skill Levels \n", "1Summoner's"},
    {"8. Necromancer's  +2 to Necromancer Skill Levels \n", "1Necromancer's"},
    {"9. Angels's       +1 to Sorceress Skill Levels \n", "1Angel's"},
    {"10 Arch-Angels's  +2 to Sorceress Skill Levels \n", "1Arch-Angel's"},
};
inline constexpr PrefixSubMenu pm39{"+ Skill Level\n", pm39Rows};

inline constexpr PrefixRow pm40Rows[] = {
    {"1. Bronze   + 10-20  to Attack Rating\n", "1Bronze"},
    {"2. Iron     + 21-40  to Attack Rating\n", "1Iron"},
    {"3. Steel    + 41-60  to Attack Rating\n", "1Steel"},
    {"4. Silver   + 61-80  to Attack Rating\n", "1Silver"},
    {"5. Platinum +101-120 to Attack Rating\n", "1Platinum"},
    {"6. Meteoric +121-150 to Attack Rating\n", "1Meteoric"},
};
inline constexpr PrefixSubMenu pm40{"Attack Rating:\n", pm40Rows};

// Group menus of the blocks, in the order their lines are printed.
inline constexpr PrefixGroup meleeGroups[] = {
    opens("1. + Attack Rating\n", pm1),
    opens("2. + Damage\n", pm2),
    opens("3. + Attack Rating and Damage\n", pm3),
    singlePrefix("4. + Mana\n", "+ Mana\nSerpent's   +11-20 to Mana\n", "1Serpent's"),
    opens("5. + Fire Resist\n", pm4),
    opens("6. + Cold Resist\n", pm5),
    opens("7. + Lightning Resist\n", pm6),
    opens("8. + Poison Resist\n", pm7),
    opens("9. + Barbarian Skill Levels\n", pm8),
    singlePrefix("10. Regenerate mana on kill\n", "Triumphant  +1 Mana after each kill\n",
                 "1Triumphant"),
    singlePrefix("11. Make mosters flee\n", "Howling  Causes Monster to flee\n", "1Howling"),
};

inline constexpr PrefixGroup scepterGroups[] = {
    opens("1. + Attack Rating\n", pm1),
    opens("2. + Damage\n", pm2),
    opens("3. + Attack Rating and Damage\n", pm3),
    opens("4. + Mana\n", pm9),
    opens("5. + Fire Resist\n", pm10),
    opens("6. + Cold Resist\n", pm11),
    opens("7. + Lightning Resist\n", pm12),
    opens("8. + Poison Resist\n", pm13),
    opens("9. + Paladin Skill Levels\n", pm14),
    singlePrefix("10. Kill regenerates mana\n", "Triumphant   +1 Mana after each kill\n",
                 "1Triumphant"),
    singlePrefix("11. Make Monsters Flee\n", "Howling    Makes Monster's Flee\n", "1Howling"),
};

inline constexpr PrefixGroup wandGroups[] = {
    opens("1. + Attack Rating\n", pm15),
    opens("2. + Damage\n", pm16),
    opens("3. + Attack Rating and Damage\n", pm17),
    opens("4. + Mana\n", pm9),
    opens("5. + Light Radius\n", pm18),
    opens("6. + Fire Resist\n", pm19),
    opens("7. + Cold Resist\n", pm20),
    opens("8. + Lightning Resist\n", pm21),
    opens("9. + Poison Resist\n", pm22),
    opens("10. + Necromancer Skill Levels\n", pm23),
    singlePrefix("11. Kill regenerates mana\n", "Triumphant   +1 Mana after each kill\n",
                 "1Triumphant"),
    singlePrefix("12. Make Monsters Flee\n", "Howling    Makes Monster's Flee\n", "1Howling"),
};

// A copy of `groups` in which group `number` is `replacement`.
template <std::size_t Count>
consteval std::array<PrefixGroup, Count> replaceGroup(const PrefixGroup (&groups)[Count],
                                                      std::size_t number, PrefixGroup replacement) {
  std::array<PrefixGroup, Count> copy{};
  for (std::size_t i = 0; i < Count; ++i) copy[i] = groups[i];
  copy.at(number - 1) = replacement;
  return copy;
}

// The Staff sees the Wand's menus but for the skill levels of its own class.
inline constexpr std::array<PrefixGroup, 12> staffGroups =
    replaceGroup(wandGroups, 10, opens("10. + Sorceress Skill Levels\n", pm24));

inline constexpr PrefixGroup bowGroups[] = {
    opens("1. + Attack Rating\n", pm1),
    opens("2. + Damage\n", pm2),
    opens("3. + Attack Rating and Damage\n", pm3),
    opens("4. + Fire Resist\n", pm10),
    opens("5. + Cold Resist\n", pm25),
    opens("6. + Lightning Resist\n", pm26),
    opens("7. + Poison Resist\n", pm27),
    opens("8. + Amazon Skill Levels\n", pm28),
};

inline constexpr PrefixGroup armorHelmGroups[] = {
    opens("1. + Defense\n", pm29),       opens("2. + Mana\n", pm30),
    opens("3. + Light Radius\n", pm18),  opens("4. + Fire Resist\n", pm10),
    opens("5. + Cold Resist\n", pm11),   opens("6. + Lightning Resist\n", pm26),
    opens("7. + Poison Resist\n", pm27),
};

inline constexpr PrefixGroup bootsGroups[] = {
    opens("1. + Defense\n", pm29),
    opens("2. + Mana\n", pm31),
    opens("3. + Light Radius\n", pm18),
    opens("4. + Fire Resist\n", pm19),
    opens("5. + Cold Resist\n", pm25),
    opens("6. + Lightning Resist\n", pm32),
    opens("7. + Poison Resist\n", pm33),
    singlePrefix("8. + Stamina\n", "Rugged   +5-10 to Max Stamina\n", "1Rugged"),
    singlePrefix("9. + Stamina Recovery\n", "Tireless  Heal Stamina +50%\n", "1Tireless"),
};

inline constexpr PrefixGroup glovesGroups[] = {
    singlePrefix("1. + Attack Rating\n", "Bronze   +10-20 to Attack Rating\n", "1Bronze"),
    opens("2. + Defense\n", pm29),
    opens("3. + Mana\n", pm31),
    opens("4. + Light Radius\n", pm18),
    opens("5. + Fire Resist\n", pm10),
    opens("6. + Cold Resist\n", pm34),
    opens("7. + Lightning Resist\n", pm35),
    opens("8. + Poison Resist\n", pm33),
    singlePrefix("9. + Stamina\n", "Rugged   +5-10 to Max Stamina\n", "1Rugged"),
};

inline constexpr PrefixGroup shieldGroups[] = {
    opens("1. + Defense\n", pm29),
    opens("2. - Magic Damage\n", pm36),
    opens("3. + Mana\n", pm37),
    opens("4. + Light Radius\n", pm18),
    opens("5. + Fire Resist\n", pm10),
    opens("6. + Cold Resist\n", pm34),
    opens("7. + Lightning Resist\n", pm35),
    opens("8. + Poison Resist\n", pm33),
    singlePrefix("9. Damage taken to mana\n", "Vulpine   10% Damage taken Goes to Mana\n",
                 "1Vulpine"),
};

inline constexpr PrefixGroup beltGroups[] = {
    opens("1. + Defense\n", pm29),
    opens("2. + Mana\n", pm38),
    opens("3. + Light Radius\n", pm18),
    opens("4. + Fire Resist\n", pm10),
    opens("5. + Cold Resist\n", pm34),
    opens("6. + Lightning Resist\n", pm26),
    opens("7. + Poison Resist\n", pm27),
    singlePrefix("8. + Stamina\n", "Rugged   +5-10 to Max Stamina\n", "1Rugged"),
};

inline constexpr PrefixGroup amuletGroups[] = {
    singlePrefix("1.  + Attack Rating\n", "Bronze   + 10-20  to Attack Rating\n", "1Bronze"),
    opens("2.  + Mana\n", pm9),
    opens("3.  + Light Radius\n", pm18),
    opens("4.  + Fire Resist\n", pm19),
    opens("5.  + Cold Resist\n", pm20),
    opens("6.  + Lightning Resist\n", pm21),
    opens("7.  + Poison Resist\n", pm13),
    singlePrefix("8.  + Resist All\n", "Prismatic   +15-25% to all resistances\n", "1Prismatic"),
    opens("9.  + Skill Levels\n", pm39),
    singlePrefix("10. Damage Generates Mana\n", "Vulpine    10% Damage taken Goes to Mana\n",
                 "1Vulpine"),
    singlePrefix("11. Better Chance to find magic items\n",
                 "Fortuitous 10-15% Better Chance of Getting Magic Item\n", "1Fortuitous"),
    singlePrefix("12. + to max stamina\n", "Rugged +5-10 to Max Stamina\n", "1Rugged"),
};

inline constexpr PrefixGroup ringGroups[] = {
    opens("1.  + Attack Rating\n", pm40),
    opens("2.  + Mana\n", pm9),
    opens("3.  + Light Radius\n", pm18),
    opens("4.  + Fire Resist\n", pm19),
    opens("5.  + Cold Resist\n", pm20),
    opens("6.  + Lightning Resist\n", pm21),
    opens("7.  + Poison Resist\n", pm13),
    singlePrefix("8.  + Resist All\n", "Prismatic   +15% to all resistances\n", "1Prismatic"),
    singlePrefix("9.  + 1 Mana after each kill\n", "Triumphant  +1 Mana after each kill\n",
                 "1Triumphant"),
    singlePrefix("10. Increased Chance to find Magic Item\n",
                 "Fortuitous 10-15% Better Chance of Getting Magic Item\n", "1Fortuitous"),
    singlePrefix("11. + Max Stamina\n", "Rugged +5-10 to Max Stamina\n", "1Rugged"),
};

}  // namespace prefix_data

// Every category sees exactly one of these blocks; they follow the order of the category menu.
inline constexpr std::array<PrefixBlock, 12> prefixBlocks{{
    {CategorySet{CategoryId::sword, CategoryId::dagger, CategoryId::mace, CategoryId::axe,
                 CategoryId::spear, CategoryId::polearm},
     "What category of prefixes: ", prefix_data::meleeGroups},
    {CategorySet{CategoryId::scepter}, "What category of prefixes: ", prefix_data::scepterGroups},
    {CategorySet{CategoryId::wand}, "What category of prefixes: ", prefix_data::wandGroups},
    {CategorySet{CategoryId::staff}, "What category of prefixes: ", prefix_data::staffGroups},
    {CategorySet{CategoryId::bow}, "What category of prefixes: ", prefix_data::bowGroups},
    {CategorySet{CategoryId::armor, CategoryId::helm},
     "Which Category of Prefixes: ", prefix_data::armorHelmGroups},
    {CategorySet{CategoryId::boots}, "Which Category of Prefixes: ", prefix_data::bootsGroups},
    {CategorySet{CategoryId::gloves}, "Which Category of Prefixes: ", prefix_data::glovesGroups},
    {CategorySet{CategoryId::shield}, "Which Category of Prefixes: ", prefix_data::shieldGroups},
    {CategorySet{CategoryId::belt}, "Which Category of Prefixes: ", prefix_data::beltGroups},
    {CategorySet{CategoryId::amulet}, "Which Prefix: ", prefix_data::amuletGroups},
    {CategorySet{CategoryId::ring}, "Which Prefix: ", prefix_data::ringGroups},
}};

namespace prefix_data {

// The first category (row: its number in the category menu) that is not in exactly one block,
// so that the lookup by category is unambiguous and complete.
constexpr TableFault categoryBlockFault() {
  for (int id = 1; id <= categoryCount; ++id) {
    std::size_t blocks = 0;
    for (const PrefixBlock& block : prefixBlocks) {
      if (block.categories.contains(static_cast<CategoryId>(id))) ++blocks;
    }
    if (blocks != 1) {
      return tableFault("a category is not in exactly one block", "prefixBlocks",
                        static_cast<std::size_t>(id), PartName("in ", blocks, " blocks"));
    }
  }
  return {};
}

// Rows that print another name or number than their tag carries, on purpose: the Amulet's skill
// menu misspells the two Sorceress prefixes and leaves the period out of its row 10.
inline constexpr PrefixRow rowsPrintedOtherwise[] = {
    {"9. Angels's       +1 to Sorceress Skill Levels \n", "1Angel's"},
    {"10 Arch-Angels's  +2 to Sorceress Skill Levels \n", "1Arch-Angel's"},
};

// Whether row `number` of its sub-menu prints that number and the name its tag carries.
constexpr bool rowNamesItsTag(const PrefixRow& row, std::size_t number) {
  for (const PrefixRow& odd : rowsPrintedOtherwise) {
    if (row.line == odd.line && row.tag == odd.tag) return true;
  }
  const NumberedEntry entry = entryAt(row.line);
  return entry.number == number && row.line.ends_with('\n') &&
         opensWithName(entry.text, row.tag.substr(1));
}

// The first line at fault: every group line must print its number, every row its number and the
// name of its tag, and every single prefix its name where the last line of its text opens.
constexpr TableFault prefixLineFault() {
  for (std::size_t b = 0; b < prefixBlocks.size(); ++b) {
    const PrefixBlock& block = prefixBlocks[b];
    for (std::size_t number = 1; number <= block.groups.size(); ++number) {
      const PrefixGroup& group = block.groups[number - 1];
      if (entryAt(group.line).number != number) {
        return tableFault("a group line does not print its number",
                          PartName("prefix block ", b + 1), number, group.line);
      }
      const std::string_view single = group.singleText;
      if (!group.singleTag.empty() &&
          !opensWithName(single.substr(single.find_last_of('\n', single.size() - 2) + 1),
                         group.singleTag.substr(1))) {
        return tableFault("a single prefix's text does not open its last line with its name",
                          PartName("prefix block ", b + 1), number, single);
      }
      for (std::size_t row = 0; row < group.subMenu.rows.size(); ++row) {
        if (!rowNamesItsTag(group.subMenu.rows[row], row + 1)) {
          return tableFault("a row does not print its number and the name of its tag",
                            PartName("prefix block ", b + 1, ", sub-menu of group ", number),
                            row + 1, group.subMenu.rows[row].line);
        }
      }
    }
  }
  return {};
}

}  // namespace prefix_data

static_assert(tableChecked<prefix_data::prefixLineFault()>());
static_assert(tableChecked<prefix_data::categoryBlockFault()>());

}  // namespace tessark
