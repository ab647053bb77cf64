// The wrestler selection of the list into the incoming wrestlers (the first step of Parse Selection that
// the list owns): each item names a wrestler by the text after its "F"/"M" letter and tab.
#pragma once

#include <string_view>
#include <vector>

#include "export/incoming.h"
#include "export/parser.h"

namespace imports {

// For each item in list order: the first incoming wrestler whose ListName equals the item's name
// exactly gets ImportNumber 1 when the item is selected, else 0. A wrestler no item names keeps his
// ImportNumber; an item that names no wrestler changes nothing.
void copyWrestlerSelection(const std::vector<exports::WrestlerItem>& items,
                           exports::IncomingRecords& incoming);

// The wrestler's name in an item text: the text from its third character on.
std::string_view itemName(std::string_view itemText);

}  // namespace imports
