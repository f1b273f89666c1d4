// The message that announces the report; writeItemReport itself is a member of ItemRecord
// (foundation/item_record.hpp).
#pragma once

#include <string_view>

namespace tessark {

// Printed once "The Item.txt" is complete.
inline constexpr std::string_view closingMessage =
    "\nView file called \"The Item\" in the \n"
    "folder from where you ran this program\n"
    "If you like the item, Run Corvellan to store it \n"
    "in your library.\n";

}  // namespace tessark
