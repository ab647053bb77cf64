#include "ui/toolkit/text.h"

#include "platform/text.h"

namespace ui::toolkit {

std::string nameKey(std::string_view name) {
  return platform::upperCase1252(name);
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
  std::vector<std::string_view> parts;
  if (items.empty()) return parts;
  for (;;) {
    const size_t bar = items.find('|');
    parts.push_back(items.substr(0, bar));
    if (bar == std::string_view::npos) break;
    items = items.substr(bar + 1);
  }
  return parts;
}

}  // namespace ui::toolkit
