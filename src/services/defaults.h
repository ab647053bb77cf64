#pragma once

#include <cstdint>
#include <string_view>

namespace services {

// The text's numeric value rounded to the nearest integer; the default when that value is 0.
int32_t GETDEFAULT(std::string_view text, int32_t defaultValue);

}  // namespace services
