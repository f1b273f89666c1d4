// The categories as numbers and sets: CategoryId follows the category menu, and CategorySet names
// the categories that see a menu line (weapons, armors, allBut). The affix menus in affixes/
// mark their lines with these sets; names and base item menus are in categories.hpp.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace tessark {

// The 18 categories by their number in the category menu; `none` is an unset category.
enum class CategoryId : std::uint8_t {
  none,
  sword,
  scepter,
  wand,
  staff,
  bow,
  dagger,
  mace,
  axe,
  spear,
  polearm,
  armor,
  boots,
  gloves,
  helm,
  shield,
  belt,
  amulet,
  ring,
};

inline constexpr int categoryCount = 18;

// A set of categories, for the menu lines that only some categories see.
class CategorySet {
 public:
  constexpr CategorySet() = default;
  constexpr CategorySet(std::initializer_list<CategoryId> ids) {
    for (CategoryId id : ids) bits_ |= bit(id);
  }

  constexpr bool contains(CategoryId id) const {
    return id != CategoryId::none && (bits_ & bit(id));
  }
  constexpr CategorySet operator|(CategorySet other) const { return fromBits(bits_ | other.bits_); }
  constexpr CategorySet operator-(CategorySet other) const {
    return fromBits(bits_ & ~other.bits_);
  }
  constexpr bool operator==(const CategorySet&) const = default;

 private:
  static constexpr std::uint32_t bit(CategoryId id) {
    return std::uint32_t{1} << static_cast<unsigned>(id);
  }
  static constexpr CategorySet fromBits(std::uint32_t bits) {
    CategorySet set;
    set.bits_ = bits;
    return set;
  }

  std::uint32_t bits_ = 0;
};

// The ten weapon categories, "Sword" to "Polearm".
inline constexpr CategorySet weapons{CategoryId::sword,  CategoryId::scepter, CategoryId::wand,
                                     CategoryId::staff,  CategoryId::bow,     CategoryId::dagger,
                                     CategoryId::mace,   CategoryId::axe,     CategoryId::spear,
                                     CategoryId::polearm};
// The six armor categories, "Armor" to "Belt".
inline constexpr CategorySet armors{CategoryId::armor, CategoryId::boots,  CategoryId::gloves,
                                    CategoryId::helm,  CategoryId::shield, CategoryId::belt};
// All 18 categories.
inline constexpr CategorySet allCategories =
    weapons | armors | CategorySet{CategoryId::amulet, CategoryId::ring};

// All 18 categories except the given ones.
constexpr CategorySet allBut(CategorySet excluded) {
  return allCategories - excluded;
}

}  // namespace tessark
