#include "ui/batch/main_addfiles.h"

#include <string>
#include <string_view>
#include <vector>

#include "platform/paths.h"
#include "platform/text.h"
#include "ui/form/button_style.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/dialogs.h"
#include "ui/toolkit/run.h"

namespace ui {

namespace {

constexpr std::string_view kAddTitle = "Please select export files to add.";
constexpr int32_t kResultRoom = 1000000;

}  // namespace

std::string READLIST(std::string_view form, int32_t id) {
  std::string items;
  const int32_t count = toolkit::EZ_GETATTR(form, id, "ICount");
  for (int32_t i = 0; i < count; ++i) items += toolkit::EZ_GETITEMTEXT(form, id, i) + "|";
  return items;
}

// A path already in the list is added again.
void ADDEXPORTFILES() {
  std::string buffer(kResultRoom, '\0');
  int32_t size = kResultRoom;
  toolkit::QX_FILEOPENDIALOG(buffer, size, kAddTitle, kExportFilter);
  const std::string_view result =
      platform::trimmed(std::string_view(buffer).substr(0, static_cast<size_t>(size)), '|');
  if (result.empty()) return;

  std::vector<std::string> paths;
  if (result.find('|') == std::string_view::npos) {
    paths.emplace_back(result);  // one full path
  } else {
    std::vector<std::string_view> names = platform::split(result, '|');
    const std::string folder(names.front());
    const bool endsInSeparator = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
    // The dialog gives the folder in the file system's own form; its names are joined the same way.
    const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
    for (size_t i = 1; i < names.size(); ++i) {
      paths.push_back(folder + (endsInSeparator ? "" : std::string(1, separator)) + std::string(names[i]));
    }
  }

  addBatchFiles(paths);
}

void addBatchFiles(const std::vector<std::string>& paths) {
  std::string list = std::string(platform::trimmed(READLIST(kThisForm, kExportFileList), '|')) + "|";
  for (const std::string& path : paths) {
    list += platform::pathForDisplay(path) + "|";
    wizardState().batchFiles.push_back(path);
  }
  toolkit::EZ_CLEAR(kThisForm, kExportFileList);
  toolkit::EZ_ADDITEMS(kThisForm, kExportFileList, platform::trimmed(list, '|'));

  wizardState().phase = Phase::ExportListed;
  toolkit::EZ_REDRAWCONTROL(kMainForm, kImportBatchButton);
}

void MAIN_ADDFILES(int32_t id, int32_t code, int32_t value, int32_t&) {
  if (code == toolkit::kEventClick) {
    if (!wizardState().running) ADDEXPORTFILES();
  } else if (code == toolkit::kEventOwnerDraw) {
    drawStepButton(id, value, true);
  }
}

}  // namespace ui
