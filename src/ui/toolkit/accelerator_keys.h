// The keys of an accelerator table as Qt key combinations (the table's form is in accelerators.h).
#pragma once

#include <QKeyCombination>
#include <cstdint>
#include <string_view>
#include <vector>

namespace ui::toolkit {

struct Accelerator {
  QKeyCombination keys;
  int32_t id = 0;
};

// Entries whose key is not understood are left out.
std::vector<Accelerator> parseAccelerators(std::string_view table);

}  // namespace ui::toolkit
