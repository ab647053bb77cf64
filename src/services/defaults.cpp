#include "services/defaults.h"

#include "platform/text.h"

namespace services {

int32_t GETDEFAULT(std::string_view text, int32_t defaultValue) {
  int32_t value = platform::low32(platform::numberValue(text));
  return value == 0 ? defaultValue : value;
}

}  // namespace services
