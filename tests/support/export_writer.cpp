#include "support/export_writer.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/sha512.h"

namespace testsupport {

namespace {

void putLittleEndian(std::string& out, uint64_t value, size_t count) {
  for (size_t i = 0; i < count; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

template <size_t N>
void putBytes(std::string& out, const std::array<uint8_t, N>& bytes) {
  out.append(reinterpret_cast<const char*>(bytes.data()), N);
}

}  // namespace

ExportKeys exportKeys(uint32_t seed) {
  std::mt19937 random(seed);
  auto next = [&random] { return static_cast<uint8_t>(random() >> 24); };
  ExportKeys keys;
  std::generate(keys.streamKey.begin(), keys.streamKey.end(), next);
  std::generate(keys.table73.begin(), keys.table73.end(), next);
  std::generate(keys.table173.begin(), keys.table173.end(), next);
  std::generate(keys.ownerTail.begin(), keys.ownerTail.end(), next);
  keys.headerWord = static_cast<uint16_t>(random());
  keys.timestamp = static_cast<int64_t>((static_cast<uint64_t>(random()) << 32) | random());
  return keys;
}

std::string plainExportBytes(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

std::string cipherText(std::string_view text, const ExportKeys& keys, int64_t position) {
  const auto low = static_cast<uint8_t>(position & 0xFF);
  std::string out(text);
  for (size_t j = 0; j < out.size(); ++j) {
    out[j] = static_cast<char>(static_cast<uint8_t>(out[j]) ^ keys.streamKey[j % 16] ^ keys.table73[j % 73] ^
                               keys.table173[j % 173] ^ low);
  }
  return out;
}

std::string lineRecord(std::string_view text, const ExportKeys& keys, int64_t position) {
  text = text.substr(0, 0xFFFF);
  std::string out;
  putLittleEndian(out, text.size() ^ static_cast<uint64_t>(position & 0xFFFF), 2);
  out += cipherText(text, keys, position);
  return out;
}

std::string encipheredHeader(const ExportKeys& keys) {
  std::string owner = keys.ownerName.substr(0, 99) + "|";
  owner.append(reinterpret_cast<const char*>(keys.ownerTail.data()), 100 - owner.size());

  std::string out(16, '\0');
  putBytes(out, keys.streamKey);
  out += cipherText(owner, keys, 33);
  putLittleEndian(out, keys.headerWord, 2);
  putLittleEndian(out, static_cast<uint64_t>(keys.timestamp), 8);
  putBytes(out, keys.table73);
  putBytes(out, keys.table173);
  return out;
}

std::string encipheredExportBytes(const std::vector<std::string>& lines, const ExportKeys& keys) {
  std::string out = encipheredHeader(keys);
  for (const std::string& line : lines) out += lineRecord(line, keys, static_cast<int64_t>(out.size()) + 1);
  sealExport(out);
  return out;
}

std::string exportDigest(std::string_view bytes) {
  std::string zeroed(bytes);
  std::fill_n(zeroed.begin(), std::min<size_t>(16, zeroed.size()), '\0');
  platform::Sha512 context;
  unsigned char digest[platform::Sha512::kDigestBytes] = {};
  context.update(zeroed.data(), zeroed.size());
  context.finish(digest);
  return std::string(reinterpret_cast<const char*>(digest), 16);
}

void sealExport(std::string& bytes) {
  if (bytes.size() < 16) return;
  const std::string digest = exportDigest(bytes);
  std::copy(digest.begin(), digest.end(), bytes.begin());
}

std::vector<std::string> splitCrLfLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const size_t end = bytes.find("\r\n");
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes);
      break;
    }
    lines.emplace_back(bytes.substr(0, end));
    bytes.remove_prefix(end + 2);
  }
  return lines;
}

std::filesystem::path utf8Path(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string pathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string readFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testsupport
