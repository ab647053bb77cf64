// The keys of an accelerator table (the table's form is in accelerators.h).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/toolkit/keys.h"

namespace ui::toolkit {

struct Accelerator {
  Key key = Key::A;
  KeyModifiers modifiers = kNoModifier;
  int32_t id = 0;
};

// Entries whose key is not understood are left out.
std::vector<Accelerator> parseAccelerators(std::string_view table);

}  // namespace ui::toolkit
