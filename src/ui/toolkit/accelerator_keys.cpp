#include "ui/toolkit/accelerator_keys.h"

#include <optional>
#include <string>

#include "platform/text.h"

namespace ui::toolkit {

namespace {

struct NamedKey {
  std::string_view name;
  Key key;
};

constexpr NamedKey kNamedKeys[] = {
    {"UP", Key::Up},      {"DOWN", Key::Down},   {"LEFT", Key::Left},      {"RIGHT", Key::Right},
    {"HOME", Key::Home},  {"END", Key::End},     {"PGUP", Key::PageUp},    {"PGDN", Key::PageDown},
    {"INS", Key::Insert}, {"DEL", Key::Delete},  {"TAB", Key::Tab},        {"ENTER", Key::Enter},
    {"ESC", Key::Escape}, {"SPACE", Key::Space}, {"BACK", Key::Backspace},
};

std::optional<Key> keyOf(std::string_view name) {
  if (name.size() == 1) {
    const char c = name[0];
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<Key>(c);
    return std::nullopt;
  }
  for (const NamedKey& named : kNamedKeys) {
    if (named.name == name) return named.key;
  }
  if (name.size() >= 2 && name[0] == 'F') {
    int number = 0;
    for (char c : name.substr(1)) {
      if (c < '0' || c > '9') return std::nullopt;
      number = number * 10 + (c - '0');
    }
    if (number >= 1 && number <= 24) return static_cast<Key>(static_cast<int32_t>(Key::F1) + number - 1);
  }
  return std::nullopt;
}

}  // namespace

std::vector<Accelerator> parseAccelerators(std::string_view table) {
  std::vector<Accelerator> accelerators;
  while (!table.empty()) {
    const size_t bar = table.find('|');
    const std::string_view entry = table.substr(0, bar);
    table = bar == std::string_view::npos ? std::string_view() : table.substr(bar + 1);

    const size_t comma = entry.rfind(',');
    if (comma == std::string_view::npos) continue;
    std::string keyText = platform::upperCase1252(platform::trimmed(entry.substr(0, comma)));
    const std::string idText = std::string(platform::trimmed(entry.substr(comma + 1)));

    KeyModifiers modifiers = kNoModifier;
    size_t pos = 0;
    for (; pos < keyText.size(); ++pos) {
      if (keyText[pos] == '^' && pos + 1 < keyText.size()) {
        modifiers |= kControlKey;
      } else if (keyText[pos] == '$' && pos + 1 < keyText.size()) {
        modifiers |= kShiftKey;
      } else if (keyText[pos] == '@' && pos + 1 < keyText.size()) {
        modifiers |= kAltKey;
      } else {
        break;
      }
    }
    std::optional<Key> key = keyOf(std::string_view(keyText).substr(pos));
    if (!key || idText.empty()) continue;
    const int64_t id = platform::numberValue(idText);
    accelerators.push_back(Accelerator{*key, modifiers, platform::low32(id)});
  }
  return accelerators;
}

}  // namespace ui::toolkit
