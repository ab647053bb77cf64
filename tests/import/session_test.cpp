// The steps of an interactive import through one session, as both front ends take them.
#include "import/import_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/list_selection.h"
#include "import/selection.h"
#include "support/import_fixture.h"
#include "support/import_scenario.h"

namespace imports {
namespace {

class ImportSessionTest : public testsupport::ImportFixture {
 protected:
  void SetUp() override {
    ImportFixture::SetUp();
    testsupport::writeScenarioDatabase(folder);
    ASSERT_EQ(load(), 0);
  }

  // The list names of the records at `indexes`, read straight from the incoming records.
  static std::vector<std::string> namesOf(const std::vector<exports::IncomingRecord>& records,
                                          const std::vector<int32_t>& indexes) {
    std::vector<std::string> names;
    for (int32_t index : indexes) names.push_back(records[static_cast<size_t>(index)].ListName);
    return names;
  }
};

TEST_F(ImportSessionTest, OpenSelectAndImportLikeTheWindow) {
  ImportSession session(catalogue, incoming, folder.path());
  exports::OpenExportResult opened = session.open(writeExport(testsupport::scenarioExport().lines()));
  ASSERT_EQ(opened.road, exports::ExportRoad::WrestlerExportParsed);
  ASSERT_EQ(opened.parse.outcome, exports::ParseOutcome::Parsed);
  EXPECT_FALSE(opened.parse.message.has_value());

  for (exports::WrestlerItem& item : opened.parse.wrestlerItems) item.selected = true;
  const NeededNames needed = session.select(opened.parse.wrestlerItems);
  const NeededNewRecords expected = neededNewRecords(incoming);
  EXPECT_EQ(needed.moves, namesOf(incoming.IncomingMoves, expected.moves));
  EXPECT_EQ(needed.dives, namesOf(incoming.IncomingDives, expected.dives));
  EXPECT_EQ(needed.managers, namesOf(incoming.IncomingManagers, expected.managers));
  EXPECT_EQ(needed.teams, namesOf(incoming.IncomingTeams, expected.teams));
  EXPECT_FALSE(needed.moves.empty());

  bool asked = false;
  const ImportRunResult result = session.import(MappingRows{}, [&](const ImportPlan&) {
    asked = true;
    return true;
  });
  EXPECT_TRUE(asked);
  ASSERT_TRUE(result.imported()) << describeRunProblem(result);
  ASSERT_EQ(result.messages.size(), 1u);
  EXPECT_EQ(result.messages[0].text, std::string(kSuccessText));
  EXPECT_TRUE(boxes.empty());  // nothing is shown by the session itself
}

}  // namespace
}  // namespace imports
