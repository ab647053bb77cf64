#include <cstddef>

#include "platform/text.h"
#include "settings/conf_file.h"

namespace settings {
namespace {

constexpr std::string_view kHexMarker = "[HEX#]";

}  // namespace

std::string QUICKCRYPT(std::string_view text, int32_t encode) {
  return QUICKCRYPTCORE(text, encode != 0 ? 1 : -1);
}

std::string QUICKCRYPTCORE(std::string_view text, int32_t direction) {
  bool scrambled = !text.empty() && text.front() == '_';
  if ((direction == -1 && !scrambled) || (direction == 1 && scrambled)) return std::string(text);
  if (direction != 1 && direction != -1) return std::string(text);

  std::string_view payload = direction == -1 ? text.substr(1) : text;
  const int64_t n = static_cast<int64_t>(payload.size());
  std::string out(payload);
  for (int64_t i = 1; i <= n; ++i) {
    int64_t shift = (i * i + i - 1 + n) % 7;
    auto byte = static_cast<unsigned char>(out[static_cast<size_t>(i - 1)]);
    out[static_cast<size_t>(i - 1)] = static_cast<char>(static_cast<unsigned char>(byte + direction * shift));
  }
  return direction == 1 ? "_" + out : out;
}

std::string HEXDECODE(std::string_view text) {
  if (text.starts_with(kHexMarker)) text.remove_prefix(kHexMarker.size());
  std::string out;
  out.reserve(text.size() / 2);
  for (size_t k = 0; k + 1 < text.size(); k += 2) {
    out.push_back(static_cast<char>(static_cast<unsigned char>(platform::hexValue(text.substr(k, 2)))));
  }
  return out;
}

}  // namespace settings
