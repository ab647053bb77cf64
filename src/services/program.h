// Program-wide values set at start-up and read everywhere: the version marker, the program title
// (caption and title of every message box) and the database folder.
#pragma once

#include <string>
#include <string_view>

namespace services {

inline constexpr std::string_view kVersionMarker = "#PVERSION#1.630#";
inline constexpr std::string_view kTitleStem = "ZOR 7 SE Export File Wizard, Build ";
inline constexpr std::string_view kWindowCaption = "ZOR 7 SE Export File Wizard";

struct ProgramInfo {
  std::string versionMarker;
  std::string title = std::string(kTitleStem) + "1.630";
  std::string databaseFolder = ".";
};
ProgramInfo& program();

// Stores the version marker in program().
void INTERNAL();

// kTitleStem followed by the third "#"-separated field of the marker.
std::string titleFromVersionMarker(std::string_view marker);

}  // namespace services
