// The report's name in the working folder and the message that announces it; writeItemReport
// itself is a member of ItemRecord (foundation/item_record.hpp).
#pragma once

#include <string_view>

namespace tessark {

// The player's result, in the working folder.
inline constexpr std::string_view itemReportPath = "The Item.txt";

// Printed once "The Item.txt" is complete.
inline constexpr std::string_view closingMessage =
    "\nView file called \"The Item\" in the \n"
    "folder from where you ran this program\n"
    "If you like the item, Run Corvellan to store it \n"
    "in your library.\n";

}  // namespace tessark
