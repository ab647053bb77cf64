// The program's texts are 8-bit Windows-1252; the rules for names and captions that every back end
// shares.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui::toolkit {

// Form names are compared upper-cased.
std::string nameKey(std::string_view name);
// Whether two names (of forms, attributes, buttons) are the same but for letter case.
bool sameName(std::string_view a, std::string_view b);

// A caption without its mnemonic markers: "&Open" gives "Open", "&&" gives "&".
std::string withoutMnemonic(std::string_view caption);

// The items of a '|'-separated list; an empty list has none.
std::vector<std::string_view> splitItems(std::string_view items);

}  // namespace ui::toolkit
