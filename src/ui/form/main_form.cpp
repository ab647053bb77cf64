#include "ui/form/main_form.h"

#include "services/program.h"
#include "ui/form/control_ids.h"
#include "ui/toolkit/toolkit.h"

namespace ui {

using namespace toolkit;

namespace {

constexpr std::string_view kMoveColumns = "Move in Export File{25}|Map to Existing Move{25}";
constexpr std::string_view kDiveColumns = "Dive in Export File{25}|Map to Existing Dive{25}";

void useArial(double points) {
  EZ_USEIFONT("Arial", points, "BV");
}

void designWizardLayer() {
  EZ_SETLAYER(kWizardLayer);

  EZ_COLOR(15, 17);
  useArial(10);
  EZ_COMBOBOX(kMapMovesCombo, 53, 3.0625, 36, 20, "", "ATV");
  EZ_SELECTITEM(kMainForm, kMapMovesCombo, 0);

  EZ_COLOR(15, 17);
  useArial(10);
  EZ_COMBOBOX(kMapDivesCombo, 53, 24.6875, 36, 20, "", "ATV");
  EZ_SELECTITEM(kMainForm, kMapDivesCombo, 0);

  EZ_COLOR(0, 31);
  useArial(16);
  EZ_ODBUTTON(kOpenButton, 1, 0.25, 33, 2, "&Open Export File", "T");

  EZ_COLOR(0, kTooltipColour);
  EZ_USEFONT(kListFont);
  EZ_ODLISTBOX(kWrestlerList, 1, 3, 33, 39.25, "", "$AMSTV");

  EZ_COLOR(0, 25);
  EZ_USEFONT(kListFont);
  EZ_LISTVIEW(kMoveListView, 36, 5, 53, 17.375, kMoveColumns, "-#STV");

  EZ_COLOR(0, 25);
  EZ_USEFONT(kListFont);
  EZ_LISTVIEW(kDiveListView, 36, 26.4375, 53, 12.875, kDiveColumns, "-#STV");

  EZ_COLOR(0, kPeachColour);
  EZ_USEFONT(kListFont);
  EZ_LISTBOX(kManagerList, 91, 3, 33, 11, "", "AMSTV");

  EZ_COLOR(0, 30);
  EZ_USEFONT(kListFont);
  EZ_LISTBOX(kTeamList, 91, 16.4375, 33, 22.8125, "", "AMSTV");

  EZ_COLOR(kDefaultColour, kDefaultColour);
  EZ_USEFONT(kListFont);
  EZ_LABEL(kMapMovesLabel, 45.75, 3.5, 6.625, 1, "Map To:", "");

  EZ_COLOR(kDefaultColour, kDefaultColour);
  EZ_USEFONT(kListFont);
  EZ_LABEL(kMapDivesLabel, 45.75, 24.9375, 6.625, 1, "Map To:", "");

  EZ_COLOR(0, 31);
  useArial(16);
  EZ_ODBUTTON(kParseButton, 36, 0.25, 53, 2, "&Parse Selection", "T");

  EZ_COLOR(0, kMenuColour);
  EZ_USEFONT(kListFont);
  EZ_TEXT(kMoveCountBox, 36.125, 3.6875, 10, 1, "", "E");

  EZ_COLOR(0, kMenuColour);
  EZ_USEFONT(kListFont);
  EZ_TEXT(kDiveCountBox, 36, 25.125, 10, 1, "", "E");

  struct Caption {
    int32_t id;
    double column, row, width;
    std::string_view text;
  };
  for (const Caption& caption :
       {Caption{kWrestlersLabel, 1, 42.125, 33, "WRESTLERS"}, Caption{kMovesLabel, 36, 22.375, 53, "MOVES"},
        Caption{kDivesLabel, 36, 39.25, 53, "DIVES"}, Caption{kManagersLabel, 91, 14, 33, "MANAGERS"},
        Caption{kTeamsLabel, 91, 39.25, 33, "TAG TEAMS"}}) {
    EZ_COLOR(22, 1);
    useArial(16);
    EZ_LABEL(caption.id, caption.column, caption.row, caption.width, 1.5, caption.text, "C");
  }

  EZ_COLOR(0, 31);
  useArial(16);
  EZ_ODBUTTON(kImportButton, 91, 0.25, 33, 2, "&Import File", "T");

  EZ_COLOR(0, 15);
  useArial(16);
  EZ_ODBUTTON(kQuitButton, 108, kBottomButtonRow, 16, 2, "&Quit", "T");

  EZ_COLOR(0, 15);
  useArial(16);
  EZ_ODBUTTON(kHelpButton, 91, kBottomButtonRow, 16, 2, "&Help", "T");

  EZ_COLOR(0, 26);
  useArial(16);
  EZ_ODBUTTON(kBatchButton, 36, kBottomButtonRow, 20, 2, "&Batch Import", "T");
}

void designBatchLayer() {
  EZ_SETLAYER(kBatchLayer);

  EZ_COLOR(0, 15);
  useArial(16);
  EZ_ODBUTTON(kCloseButton, 108, kBottomButtonRow, 16, 2, "&Close", "T");

  EZ_COLOR(0, kTooltipColour);
  EZ_USEFONT(kListFont);
  EZ_LISTBOX(kExportFileList, 1, 3, 67, 39.25, "", "STV");

  EZ_COLOR(22, 1);
  useArial(16);
  EZ_LABEL(kExportFilesLabel, 1, 42.125, 67, 1.5, "EXPORT FILES", "C");

  EZ_COLOR(0, 31);
  useArial(16);
  EZ_ODBUTTON(kAddFilesButton, 1, 0.25, 67, 2, "&Add Export Files", "T");

  EZ_COLOR(0, 31);
  useArial(16);
  EZ_ODBUTTON(kImportBatchButton, 71, 0.25, 53, 2, "&Import Batch", "T");

  EZ_COLOR(kDefaultColour, kDefaultColour);
  useArial(12);
  EZ_LABEL(kBatchNoteLine1, 71, 3, 53, 1.1875, "Export Files will be imported as-is. Wrestlers which", "L");

  EZ_COLOR(kDefaultColour, kDefaultColour);
  useArial(12);
  EZ_LABEL(kBatchNoteLine2, 71, 4.375, 53, 1.1875, "exist already will be overwritten.", "L");

  EZ_COLOR(kDefaultColour, kDefaultColour);
  EZ_USEFONT(kListFont);
  EZ_PROGRESSBAR(kBatchProgress, 71, 6, 53, 2, "");

  EZ_COLOR(0, 31);
  EZ_USEFONT(kListFont);
  EZ_TEXT(kBatchResultBox, 71, 9, 53, 32, "", "MSTV");

  EZ_COLOR(0, 15);
  useArial(16);
  EZ_ODBUTTON(kUndoButton, 71, kBottomButtonRow, 35, 2, "&Undo Last Import", "T");
}

void designHelpPanel() {
  EZ_SETLAYER(kPanelLayer);
  EZ_COLOR(14, 1);
  EZ_USEIFONT("Arial Narrow", 14, "BV");
  EZ_TEXT(kHelpPanel, kFormWidth, 0, kHelpPanelWidth, kFormHeight, "", "MV");
}

// Controls that no label on the form names.
void nameUnlabelledControls() {
  setAccessibleName(kMainForm, kMapMovesCombo, "Map moves to");
  setAccessibleName(kMainForm, kMapDivesCombo, "Map dives to");
  setAccessibleName(kMainForm, kMoveCountBox, "Moves to import");
  setAccessibleName(kMainForm, kDiveCountBox, "Dives to import");
  setAccessibleName(kMainForm, kBatchProgress, "Batch progress");
  setAccessibleName(kMainForm, kBatchResultBox, "Batch results");
  setAccessibleName(kMainForm, kHelpPanel, "Help");
}

// Tab follows the form as it reads, step by step, instead of the order the controls were made in;
// the texts the program writes take no typing; the two counts, which only show, and the hidden help
// panel take no focus (the panel until it is shown).
void arrangeKeyboard() {
  setTabOrder(kMainForm,
              {kOpenButton,        kWrestlerList,   kParseButton,  kMapMovesCombo,  kMoveListView,
               kMapDivesCombo,     kDiveListView,   kImportButton, kManagerList,    kTeamList,
               kBatchButton,       kHelpButton,     kQuitButton,   kAddFilesButton, kExportFileList,
               kImportBatchButton, kBatchResultBox, kUndoButton,   kCloseButton,    kHelpPanel});
  setReadOnly(kMainForm, kBatchResultBox, true);
  setReadOnly(kMainForm, kHelpPanel, true);
  setFocusable(kMainForm, kHelpPanel, false);
  setFocusable(kMainForm, kMoveCountBox, false);
  setFocusable(kMainForm, kDiveCountBox, false);
  setFocus(kMainForm, kOpenButton);
}

}  // namespace

void EZ_MAIN_DISPLAY(std::string_view parent) {
  EZ_ALLOWLOADINGEVENT(2);
  EZ_FORM(kMainForm, parent, services::kWindowCaption, 0, 0, kFormWidth, kFormHeight, "CK", kDefaultColour,
          kDefaultColour);
}

void EZ_MAIN_DESIGN() {
  designWizardLayer();
  designBatchLayer();
  designHelpPanel();
  nameUnlabelledControls();
  arrangeKeyboard();
  EZ_DISPLAYLAYER(kMainForm, kWizardLayer, kLayerFlags);
}

}  // namespace ui
