// Names beyond ASCII in the batch view, as Qt shows them.
#include <gtest/gtest.h>

#include <QListWidget>
#include <filesystem>

#include "batch_fixture.h"
#include "db/catalogue.h"
#include "support/export_writer.h"
#include "support/import_scenario.h"
#include "ui/form/control_ids.h"
#include "ui/toolkit/qt/native.h"

namespace {

using namespace ui::toolkit;
using uitest::BatchViewTest;
using Names = std::vector<std::string>;

// The file system names files in UTF-8; the list and the results show them as they read, and the
// import still finds them.
TEST_F(BatchViewTest, NamesBeyondAsciiReadRightInTheListAndTheResults) {
  std::filesystem::create_directories(folder.root() /
                                      "\xC3\x89"
                                      "changes");
  const std::string accented = writeExport(testsupport::scenarioExport().lines(),
                                           "\xC3\x89"
                                           "changes/\xC3\x81ngel d\xC3\xA9mo.zor");
  addFiles({accented});
  const std::string shownPath = folder.root().string() +
                                "/\xC9"
                                "changes/\xC1ngel d\xE9mo.zor";
  EXPECT_EQ(items(ui::kExportFileList), (Names{shownPath}));
  auto* list = qobject_cast<QListWidget*>(controlWidget("MAIN", ui::kExportFileList));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->item(0)->text(), QString::fromUtf8(accented.c_str()));

  click(ui::kImportBatchButton);
  EXPECT_EQ(state(ui::kBatchResultBox).text, "Imported: \xC1ngel d\xE9mo.zor\r\n");
  EXPECT_EQ(db::catalogue().WrestlerCount, 5);
}

}  // namespace
