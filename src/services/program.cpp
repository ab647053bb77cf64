#include "services/program.h"

namespace services {

ProgramInfo& program() {
  static ProgramInfo info;
  return info;
}

std::string titleFromVersionMarker(std::string_view marker) {
  // Fields: "", "PVERSION", build, "".
  std::string_view rest = marker;
  for (int field = 0; field < 2; ++field) {
    size_t hash = rest.find('#');
    rest = hash == std::string_view::npos ? std::string_view() : rest.substr(hash + 1);
  }
  std::string_view build = rest.substr(0, rest.find('#'));
  return std::string(kTitleStem) + std::string(build);
}

void INTERNAL() {
  program().versionMarker = std::string(kVersionMarker);
}

}  // namespace services
