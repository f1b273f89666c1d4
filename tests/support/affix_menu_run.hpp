#pragma once

#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "foundation/item_record.hpp"

namespace tessark::testing {

// What an affix menu did: the bytes it printed, the tag it returned, the input it left unread.
struct MenuOutcome {
  std::string printed;
  AffixTag tag;
  std::string unread;
};

// Runs one affix menu (ItemRecord::choosePrefix or chooseSuffix) for `category` on `answers`.
inline MenuOutcome runAffixMenu(AffixTag (ItemRecord::*menu)(Console&) const,
                                std::string_view category, const std::string& answers) {
  ItemRecord record;
  record.category = category;
  std::istringstream in(answers);
  std::ostringstream out, err;
  Console console{in, out, err};
  const AffixTag tag = (record.*menu)(console);
  return {out.str(), tag, std::string(std::istreambuf_iterator<char>(in), {})};
}

}  // namespace tessark::testing
