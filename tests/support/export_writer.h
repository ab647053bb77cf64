// Writes export files for tests, plain or enciphered, from a list of lines. The product only reads
// exports; this writer is built from the format on its own so that it cross-checks the reader.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// Key material and header fields of an enciphered export.
struct ExportKeys {
  std::array<uint8_t, 16> streamKey{};
  std::array<uint8_t, 73> table73{};
  std::array<uint8_t, 173> table173{};
  std::string ownerName = "Default User";
  std::array<uint8_t, 100> ownerTail{};  // the bytes after "name|"
  uint16_t headerWord = 0;
  int64_t timestamp = 0;
};

// Key material drawn from a generator seeded with `seed`.
ExportKeys exportKeys(uint32_t seed);

// The lines, each followed by CR LF.
std::string plainExportBytes(const std::vector<std::string>& lines);
// The whole enciphered file: header, line records, digest. Lines longer than 65535 bytes are cut.
std::string encipheredExportBytes(const std::vector<std::string>& lines, const ExportKeys& keys);
// The 388 bytes of an enciphered export's header (with its digest not yet computed).
std::string encipheredHeader(const ExportKeys& keys);

// The cipher of one line record: the text XOR key, tables and the position's low byte.
std::string cipherText(std::string_view text, const ExportKeys& keys, int64_t position);
// One line record written at the 1-based position `position`.
std::string lineRecord(std::string_view text, const ExportKeys& keys, int64_t position);
// The first 16 bytes of the SHA-512 of `bytes` with its first 16 bytes taken as zero.
std::string exportDigest(std::string_view bytes);
// Writes the digest of `bytes` into its first 16 bytes (no-op for fewer than 16 bytes).
void sealExport(std::string& bytes);

// Splits a plain export into its lines (CR LF ends a line; a last line without one counts too).
std::vector<std::string> splitCrLfLines(std::string_view bytes);

// A path from the program's UTF-8 and back: MinGW's std::filesystem takes a narrow string for Latin-1
// and gives one back in UTF-8, so a name outside ASCII must cross as char8_t.
std::filesystem::path utf8Path(std::string_view text);
std::string pathText(const std::filesystem::path& path);

std::string readFileBytes(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace testsupport
