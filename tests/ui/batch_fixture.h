// The wizard in its batch view, with two exports written into the game folder.
#pragma once

#include <string>
#include <vector>

#include "road_fixture.h"
#include "ui/form/control_ids.h"

namespace uitest {

class BatchViewTest : public RoadTest {
 protected:
  void SetUp() override {
    RoadTest::SetUp();
    first = writeScenarioExport();
    second = writeExport(testsupport::wrestlersOnlyExport({testsupport::wrestlerSpec("Lone Wolf")}).lines(),
                         "lone-wolf.zor");
    click(ui::kBatchButton);
  }
  void addFiles(const std::vector<std::string>& paths) {
    script.files.push_back(paths);
    click(ui::kAddFilesButton);
  }

  std::string first, second;
};

}  // namespace uitest
