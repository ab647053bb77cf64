// The vocabulary of form "MAIN": its controls' ids, layers, colours and fonts.
#pragma once

#include <cstdint>
#include <string_view>

namespace ui {

inline constexpr std::string_view kMainForm = "MAIN";
inline constexpr std::string_view kThisForm = "{ME}";

enum ControlId : int32_t {
  kFormItself = 0,
  kQuitButton = 2,
  kMapMovesCombo = 100,
  kMapDivesCombo = 105,
  kOpenButton = 110,
  kWrestlerList = 115,
  kMoveListView = 120,
  kDiveListView = 125,
  kManagerList = 130,
  kTeamList = 135,
  kMapMovesLabel = 140,
  kMapDivesLabel = 145,
  kParseButton = 150,
  kMoveCountBox = 155,
  kDiveCountBox = 160,
  kWrestlersLabel = 165,
  kMovesLabel = 170,
  kDivesLabel = 175,
  kManagersLabel = 180,
  kTeamsLabel = 185,
  kImportButton = 190,
  kHelpButton = 195,
  kBatchButton = 200,
  kCloseButton = 205,
  kExportFileList = 210,
  kExportFilesLabel = 215,
  kAddFilesButton = 220,
  kImportBatchButton = 225,
  kBatchNoteLine1 = 230,
  kBatchNoteLine2 = 235,
  kBatchProgress = 240,
  kBatchResultBox = 245,
  kHelpPanel = 250,
  kUndoButton = 260,  // beside the batch view: undoes the last import
  // Keyboard shortcuts of the wrestler list.
  kDeselectUpwardsShortcut = 9993,  // Ctrl+Shift+Up
  kDeselectDownwardsShortcut = 9994,
  kSelectUpwardsShortcut = 9995,
  kSelectDownwardsShortcut = 9996,
  kInvertShortcut = 9997,
  kSelectNoneShortcut = 9998,
  kSelectAllShortcut = 9999,  // Ctrl+A
  kFirstShortcut = kDeselectUpwardsShortcut,
  kLastShortcut = kSelectAllShortcut,
};

// The first choice of both Map To lists: the incoming move or dive is added under a new name.
inline constexpr std::string_view kRenameChoice = "--- Rename";
// The name filters of the dialogs that pick export files.
inline constexpr std::string_view kExportFilter = "ZOR Export Files|*.zor|All Files|*.*|";

// Layers: the wizard, the batch view, and the help panel that is always there.
inline constexpr int32_t kPanelLayer = 0;
inline constexpr int32_t kWizardLayer = 1;
inline constexpr int32_t kBatchLayer = 2;
inline constexpr int32_t kLayerFlags = 32;

// Window size in character units, without and with the help panel.
inline constexpr double kFormWidth = 125;
inline constexpr double kFormWidthWithHelp = 166;
inline constexpr double kFormHeight = 44;
inline constexpr double kHelpPanelWidth = kFormWidthWithHelp - kFormWidth;
// The row of the buttons along the bottom edge, level with the bottom of the captions beside them.
inline constexpr double kBottomButtonRow = 41.625;

// Colours the program defines above the toolkit's 32.
inline constexpr int32_t kMenuColour = 32;     // system colour 4
inline constexpr int32_t kTooltipColour = 35;  // system colour 24
inline constexpr int32_t kPeachColour = 39;    // red 253, green 221, blue 189
inline constexpr uint32_t kPeachValue = 0xBDDDFD;
inline constexpr int32_t kSystemMenuColour = 4;
inline constexpr int32_t kSystemTooltipColour = 24;

// The font every owner-drawn button draws its caption in.
inline constexpr int32_t kButtonFont = 250;

}  // namespace ui
