// The progress of long work as the front ends are told it: the innermost step, counts a few times a
// second, and the end of the outermost step.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/progress.h"
#include "services/progress_text.h"

namespace services {
namespace {

class ProgressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = setProgressSink([this](const Progress& progress) { told.push_back(progress); });
  }
  void TearDown() override { setProgressSink(std::move(previous_)); }

  std::vector<std::string> steps() const {
    std::vector<std::string> names;
    for (const Progress& progress : told) names.push_back(progress.step);
    return names;
  }

  std::vector<Progress> told;

 private:
  ProgressSink previous_;
};

TEST_F(ProgressTest, TheInnermostStepIsToldAndTheEndOfTheOutermost) {
  {
    const ProgressStep loading("Loading the game database");
    {
      const ProgressStep wrestlers("Loading wrestlers");
      reportProgress(10, 10);  // the last count of a step is always told
    }
    const ProgressStep moves("Loading moves");
  }
  EXPECT_EQ(steps(), (std::vector<std::string>{"Loading the game database", "Loading wrestlers",
                                               "Loading wrestlers", "Loading the game database",
                                               "Loading moves", "Loading the game database", ""}));
  EXPECT_EQ(told[2].done, 10);
  EXPECT_EQ(told[2].total, 10);
  for (size_t i = 1; i < told.size(); ++i) EXPECT_GE(told[i].elapsed, told[i - 1].elapsed);
}

TEST_F(ProgressTest, CountsOfEveryRecordAreToldOnlyNowAndThen) {
  {
    const ProgressStep step("Writing wrestlers");
    for (int64_t k = 1; k < 100000; ++k) reportProgress(k, 100000);
  }
  // The step's start and end, and a handful in between at most: not one per record.
  EXPECT_LT(told.size(), 200u);
  EXPECT_GE(told.size(), 2u);
}

TEST_F(ProgressTest, CountsOutsideAnyStepAreNotTold) {
  reportProgress(1, 2);
  reportProgress(2, 2);
  EXPECT_TRUE(told.empty());
}

TEST(ProgressText, NamesTheStepAndTheCountWhenThereIsOne) {
  EXPECT_EQ(progressText(Progress{"Loading wrestlers", 12000, 21000, {}}),
            "Loading wrestlers: 12000 of 21000");
  EXPECT_EQ(progressText(Progress{"Building the indexes", 3, 0, {}}), "Building the indexes");
}

}  // namespace
}  // namespace services
