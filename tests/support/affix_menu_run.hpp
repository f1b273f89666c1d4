#pragma once

#include <string>
#include <string_view>

#include "foundation/item_record.hpp"
#include "support/memory_console.hpp"

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
  MemoryConsole memory(answers);
  const AffixTag tag = (record.*menu)(memory.console);
  return {memory.out.str(), tag, memory.in.unread()};
}

}  // namespace tessark::testing
