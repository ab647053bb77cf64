#include "ui/steps/export_lists.h"

#include <unordered_map>

#include "db/catalogue.h"
#include "ui/form/control_ids.h"
#include "ui/toolkit/contents.h"

namespace ui {

namespace {

constexpr int32_t kNameColumn = 0;

std::string joinedItems(const std::vector<std::string>& texts) {
  std::string items;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) items += "|";
    items += texts[i];
  }
  return items;
}

std::vector<imports::MappingRow> readRows(int32_t listView) {
  std::vector<imports::MappingRow> rows;
  const int32_t count = toolkit::EZ_GETATTR(kMainForm, listView, "ICount");
  for (int32_t row = 0; row < count; ++row) {
    rows.push_back(imports::MappingRow{toolkit::EZ_GETLVITEMTEXT(kMainForm, listView, row, 0),
                                       toolkit::EZ_GETLVITEMTEXT(kMainForm, listView, row, 1),
                                       toolkit::EZ_GETLVLONG(kMainForm, listView, row)});
  }
  return rows;
}

// The rows that add a record of their own: all but those mapped onto an existing record.
int32_t rowsToImport(int32_t listView, imports::RecordKind kind) {
  int32_t count = 0;
  for (const imports::MappingRow& row : readRows(listView)) {
    if (!imports::mapsOntoExisting(kind, row, db::catalogue())) ++count;
  }
  return count;
}

}  // namespace

void showParsedExport(const exports::ParseResult& parsed) {
  toolkit::EZ_SETREDRAWSTATE(kMainForm, 0);
  showWrestlerItems(parsed.wrestlerItems);
  showNeededRecords({parsed.newMoves, parsed.newDives, parsed.newManagers, parsed.newTeams});
  toolkit::EZ_SETREDRAWSTATE(kMainForm, 1);
  toolkit::EZ_REDRAWFORM(kMainForm);
}

void showNeededRecords(const imports::NeededNames& needed) {
  showMappingRows(kMoveListView, needed.moves);
  showMappingRows(kDiveListView, needed.dives);
  showNames(kManagerList, needed.managers);
  showNames(kTeamList, needed.teams);
  showRowCounts();
}

void showWrestlerItems(const std::vector<exports::WrestlerItem>& items) {
  std::vector<std::string> texts;
  std::unordered_map<std::string, bool> selectedByText;
  for (const exports::WrestlerItem& item : items) {
    texts.push_back(item.text);
    selectedByText.emplace(item.text, item.selected);
  }
  toolkit::EZ_CLEAR(kMainForm, kWrestlerList);
  toolkit::EZ_ADDITEMS(kMainForm, kWrestlerList, joinedItems(texts));
  const int32_t count = toolkit::EZ_GETATTR(kMainForm, kWrestlerList, "ICount");
  for (int32_t i = 0; i < count; ++i) {
    const auto found = selectedByText.find(toolkit::EZ_GETITEMTEXT(kMainForm, kWrestlerList, i));
    if (found != selectedByText.end() && found->second) toolkit::EZ_SETSELECT(kMainForm, kWrestlerList, i, 1);
  }
}

void showMappingRows(int32_t listView, const std::vector<std::string>& names) {
  toolkit::EZ_CLEAR(kMainForm, listView);
  for (const std::string& name : names) {
    const int32_t row = toolkit::EZ_ADDLVITEM(kMainForm, listView, name);
    toolkit::EZ_SETLVITEM(kMainForm, listView, row, 1, "");
  }
  toolkit::EZ_SORTLV(kMainForm, listView, kNameColumn);
}

void showNames(int32_t list, const std::vector<std::string>& names) {
  toolkit::EZ_CLEAR(kMainForm, list);
  toolkit::EZ_ADDITEMS(kMainForm, list, joinedItems(names));
}

void showRowCounts() {
  toolkit::EZ_SETTEXT(kMainForm, kMoveCountBox,
                      std::to_string(rowsToImport(kMoveListView, imports::RecordKind::Move)));
  toolkit::EZ_SETTEXT(kMainForm, kDiveCountBox,
                      std::to_string(rowsToImport(kDiveListView, imports::RecordKind::Dive)));
}

std::vector<exports::WrestlerItem> readWrestlerItems() {
  std::vector<exports::WrestlerItem> items;
  const int32_t count = toolkit::EZ_GETATTR(kMainForm, kWrestlerList, "ICount");
  for (int32_t i = 0; i < count; ++i) {
    items.push_back(exports::WrestlerItem{toolkit::EZ_GETITEMTEXT(kMainForm, kWrestlerList, i),
                                          toolkit::EZ_GETSELECT(kMainForm, kWrestlerList, i) != 0});
  }
  return items;
}

imports::MappingRows readMappingRows() {
  return imports::MappingRows{readRows(kMoveListView), readRows(kDiveListView)};
}

}  // namespace ui
