#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The texts a player sees, block by block, as the dialogue prints them. End-to-end tests build
// their expected transcripts from these.
namespace tessark::testing::texts {

inline std::string join(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) text += part;
  return text;
}

inline constexpr std::string_view banner =
    "Welcome to the Tessark by Ombrith.\n"
    "This program has you input information\n"
    "about a desired item and then writes\n"
    "the best and worst possiblities of the item\n"
    "into a file called 'The Item.txt'.  You can then\n"
    "run the file 'Corvellan.exe' to store the item\n"
    "which you have created.\n\n";

inline constexpr std::string_view classificationMenu =
    "1. Magical Item(blue)\n"
    "2. Rare Item(yellow)\n"
    "What classification of item: ";
inline constexpr std::string_view improperInput = "Improper Input, Retry\n";

inline constexpr std::string_view categoryMenu =
    "\nChoose Type of Item:\n"
    "1. Sword       7.  Mace         13. Gloves\n"
    "2. Scepter     8.  Axe          14. Helm\n"
    "3. Wand        9.  Spear        15. Shield\n"
    "4. Staff       10. Polearm      16. Belt\n"
    "5. Bow         11. Armor        17. Amulet\n"
    "6. Dagger      12. Boots        18. Ring\n"
    "\n";

inline constexpr std::string_view qualityMenu = "\nChoose Quality\n1. Normal\n2. Exceptional\n";

inline constexpr std::string_view normalSwordMenu =
    "1. Short Sword     9.  Two-Handed Sword\n"
    "2. Scimitar        10. Claymore\n"
    "3. Sabre           11. Giant Sword\n"
    "4. Falchion        12. Bastard Sword\n"
    "5. Crystal Sword   13. Flamberge\n"
    "6. Broad Sword     14. Great Sword\n"
    "7. Long Sword      \n"
    "8. War Sword       \n"
    "Which Sword: ";

inline constexpr std::string_view modificationMenu =
    "\n\n1. Only a prefix\n"
    "2. Only a suffix\n"
    "3. Both a prefix and a suffix\n"
    "What modifications do you wish to add: ";
inline constexpr std::string_view modificationError = "\nError: Incorrect Enter, 1-3 only\n";

inline constexpr std::string_view prefixCountPrompt = "\n\nHow Many Prefixes on the rare(0-3): ";
inline constexpr std::string_view suffixCountPrompt = "How Many Suffixes on the rare(0-3): ";
inline constexpr std::string_view rulesBanner =
    "****************************************\n"
    "When choosing Modifiers, only choose\n"
    "one modifier per group, for example do not choose\n"
    "King's and Lord's.  However, you can choose\n"
    "a prefix and suffix that affect the same attribute,\n"
    "eg. Prefix Fortuitous and Suffix Fortune\n"
    "****************************************\n";

inline constexpr std::string_view amuletPrefixGroups =
    "\n"
    "1.  + Attack Rating\n"
    "2.  + Mana\n"
    "3.  + Light Radius\n"
    "4.  + Fire Resist\n"
    "5.  + Cold Resist\n"
    "6.  + Lightning Resist\n"
    "7.  + Poison Resist\n"
    "8.  + Resist All\n"
    "9.  + Skill Levels\n"
    "10. Damage Generates Mana\n"
    "11. Better Chance to find magic items\n"
    "12. + to max stamina\n"
    "Which Prefix: ";
inline constexpr std::string_view prismaticLine = "Prismatic   +15-25% to all resistances\n";

inline constexpr std::string_view closingMessage =
    "\nView file called \"The Item\" in the \n"
    "folder from where you ran this program\n"
    "If you like the item, Run Corvellan to store it \n"
    "in your library.\n";

// The rows of suffix group 4 as an item that sees all seven prints them, and the prompt.
inline constexpr std::string_view allLifeRows =
    "1. Life       + 5 to Life\n"
    "2. Jackal     + 1-5 to Life\n"
    "3. Fox        + 5-10 to Life\n"
    "4. Wolf       +11-20 to Life\n"
    "5. Tiger      +21-30 to Life\n"
    "6. Mammoth    +31-40 to Life\n"
    "7. Colossus   +41-60 to Life\n"
    "Which Suffix: ";

// What a run says when two of its files, named in this order, are one file.
inline std::string oneFileMessage(std::string_view first, std::string_view second) {
  return join({"Tessark: \"", first, "\" and \"", second,
               "\" are one and the same file; each work file and \"The Item.txt\" must be a "
               "file of its own. Remove the link between them, then start Tessark again.\n"});
}

// The menus of the typical run: a magical normal Short Sword with the prefix Jagged and the
// suffix Worth.
inline constexpr std::string_view swordPrefixGroups =
    "\n1. + Attack Rating\n2. + Damage\n3. + Attack Rating and Damage\n4. + Mana\n"
    "5. + Fire Resist\n6. + Cold Resist\n7. + Lightning Resist\n8. + Poison Resist\n"
    "9. + Barbarian Skill Levels\n10. Regenerate mana on kill\n11. Make mosters flee\n"
    "What category of prefixes: ";

inline constexpr std::string_view damagePrefixRows =
    "+ Damage\n"
    "1. Jagged    110-120% Damage\n"
    "2. Deadly    121-130% Damage\n"
    "3. Vicious   131-140% Damage\n"
    "4. Brutal    141-150% Damage\n"
    "5. Massive   151-165% Damage\n"
    "6. Savage    166-180% Damage\n"
    "7. Merciless 181-200% Damage\n"
    "Which Prefix: ";

inline constexpr std::string_view swordSuffixGroups =
    "\n1. + Strength\n4. + Life\n6. + Minimum Damage\n7. + Maximum Damage\n8. + Fire Damage\n"
    "9. + Cold Damage\n10. + Lightning Damage\n11. + Poison Damage\n13. + Life Steal\n"
    "14. + Mana Steal\n15. + Life Regeneration\n16. + Attack Speed\n23. - Monster Defense\n"
    "26. - Item Requirements\n28. Monster Knockback\n30. Prevent Monster Heal\n"
    "Which Category of Suffixes: ";

inline constexpr std::string_view minimumDamageRows =
    "1. Worth       +1 to Minimum Damage\n"
    "2. Measure     +2 to Minimum Damage\n"
    "3. Excellence  +3 to Minimum Damage\n"
    "4. Performance +4-5 to Minimum Damage\n"
    "Which Suffix: ";

// Its answers, and all it prints before the closing message.
inline constexpr std::string_view typicalInput = "1\n1\n1\n1\n3\n2\n1\n6\n1\n";
inline const std::string typicalDialogue =
    join({banner, classificationMenu, categoryMenu, qualityMenu, normalSwordMenu, modificationMenu,
          swordPrefixGroups, damagePrefixRows, swordSuffixGroups, minimumDamageRows});

// "The Item.txt" of the typical run: the worked example of the report.
inline constexpr std::string_view typicalReport =
    "Sword\nShort Sword\n---------------------\nJagged  \nShort Sword of\nWorth  \n"
    "------------------\nBest Possible Results: \nDamage: 3 -- 8\n120% Enhanced Damage\n\n"
    "+1 to Minimum Damage\n\n\n------------------\nLowest Possible Results: \nDamage: 3 - 8\n"
    "110% Enhanced Damage\n\n+1 to Minimum Damage\n\n";

// "files/Modlist.dat" after the typical run: the description records of Jagged and Worth.
inline constexpr std::string_view typicalModifierList =
    "Prefix: Jagged\nLeast: 110% Enhanced Damage\nBest: 120% Enhanced Damage\n"
    "Suffix: Worth\nLeast: +1 to Minimum Damage\nBest: +1 to Minimum Damage\n";

}  // namespace tessark::testing::texts
