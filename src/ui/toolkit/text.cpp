#include "ui/toolkit/text.h"

#include "platform/text.h"

namespace ui::toolkit {

std::string nameKey(std::string_view name) {
  return platform::upperCase1252(name);
}

bool sameName(std::string_view a, std::string_view b) {
  return nameKey(a) == nameKey(b);
}

std::string withoutMnemonic(std::string_view caption) {
  std::string plain;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        plain.push_back('&');
        ++i;
      }
      continue;
    }
    plain.push_back(caption[i]);
  }
  return plain;
}

std::vector<std::string_view> splitItems(std::string_view items) {
  if (items.empty()) return {};
  return platform::split(items, '|');
}

}  // namespace ui::toolkit
