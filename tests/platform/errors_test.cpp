#include "platform/errors.h"

#include <gtest/gtest.h>

#include "platform_test_support.h"

namespace {

using platform::ReportAnswer;
using platform_test::ErrorRecorder;

TEST(ErrorDescription, KnownNumbersHaveTheirTexts) {
  EXPECT_EQ(platform::errorDescription(0), "No Error");
  EXPECT_EQ(platform::errorDescription(9), "Subscript/Pointer out of range");
  EXPECT_EQ(platform::errorDescription(52), "Bad file name or number");
  EXPECT_EQ(platform::errorDescription(53), "File not found");
  EXPECT_EQ(platform::errorDescription(62), "Input past end");
  EXPECT_EQ(platform::errorDescription(75), "Path/file access error");
  EXPECT_EQ(platform::errorDescription(98), "XPrint Preview error");
  EXPECT_EQ(platform::errorDescription(242), "String space corrupt");
}

TEST(ErrorDescription, UnknownNumbersAreUnknown) {
  EXPECT_EQ(platform::errorDescription(1), "Unknown error");
  EXPECT_EQ(platform::errorDescription(-53), "Unknown error");
  EXPECT_EQ(platform::errorDescription(243), "Unknown error");
}

TEST(ReportText, HasThreeLinesWithCrLf) {
  platform::UntrappedError error{53, "File not found", "LOADDBS"};
  EXPECT_EQ(platform::reportText(error),
            "Untrapped Error #53 (File not found)\r\n"
            "has occurred following execution of LOADDBS\r\n\r\n"
            "Press OK to continue, Cancel to terminate");
}

TEST(ProcedureScope, ShortNameIsInnermostInCapitalsCutToEight) {
  EXPECT_EQ(platform::currentProcedureShortName(), "");
  {
    platform::ProcedureScope outer("LOADDBS");
    EXPECT_EQ(platform::currentProcedureShortName(), "LOADDBS");
    {
      platform::ProcedureScope inner("processImport");
      EXPECT_EQ(platform::currentProcedureShortName(), "PROCESSI");
    }
    EXPECT_EQ(platform::currentProcedureShortName(), "LOADDBS");
  }
  EXPECT_EQ(platform::currentProcedureShortName(), "");
}

TEST(RaiseError, HandlerReceivesNumberDescriptionAndProcedure) {
  ErrorRecorder recorder;
  platform::ProcedureScope scope("PROCESSIMPORT");
  platform::raiseError(53);
  ASSERT_EQ(recorder.errors.size(), 1u);
  EXPECT_EQ(recorder.errors[0].number, 53);
  EXPECT_EQ(recorder.errors[0].description, "File not found");
  EXPECT_EQ(recorder.errors[0].procedure, "PROCESSI");
  EXPECT_TRUE(recorder.exitCodes.empty());
}

TEST(RaiseError, TerminateEndsWithExitCode255) {
  ErrorRecorder recorder(ReportAnswer::Terminate);
  platform::raiseError(62);
  EXPECT_EQ(recorder.numbers(), std::vector<int>{62});
  EXPECT_EQ(recorder.exitCodes, std::vector<int>{255});
}

TEST(RaiseError, CorruptionErrorsEndTheProcessWhateverTheAnswer) {
  ErrorRecorder recorder(ReportAnswer::Continue);
  platform::raiseError(241);
  platform::raiseError(242);
  platform::raiseError(7);
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{241, 242, 7}));
  EXPECT_EQ(recorder.exitCodes, (std::vector<int>{255, 255}));
}

TEST(RaiseError, SetReportHandlerReturnsThePreviousOne) {
  int firstCalls = 0;
  platform::ReportHandler original =
      platform::setReportHandler([&firstCalls](const platform::UntrappedError&) {
        ++firstCalls;
        return ReportAnswer::Continue;
      });
  platform::ReportHandler first =
      platform::setReportHandler([](const platform::UntrappedError&) { return ReportAnswer::Continue; });
  platform::setReportHandler(first);
  platform::raiseError(5);
  EXPECT_EQ(firstCalls, 1);
  platform::setReportHandler(original);
}

TEST(RaiseError, DefaultHandlerWritesTheReportAndContinues) {
  platform::ReportHandler saved = platform::setReportHandler(nullptr);
  testing::internal::CaptureStderr();
  platform::raiseError(76);
  std::string output = testing::internal::GetCapturedStderr();
  platform::setReportHandler(saved);
  EXPECT_NE(output.find("Untrapped Error #76 (Path not found)"), std::string::npos);
}

TEST(RaiseErrorDeathTest, DefaultTerminatorExitsWith255) {
  EXPECT_EXIT(
      {
        platform::setTerminator(nullptr);
        platform::setReportHandler([](const platform::UntrappedError&) { return ReportAnswer::Terminate; });
        platform::raiseError(53);
        std::fprintf(stderr, "still running\n");
      },
      testing::ExitedWithCode(255), "^$");
}

TEST(RaiseErrorDeathTest, StringSpaceCorruptExitsAfterTheDefaultReport) {
  EXPECT_EXIT(
      {
        platform::setTerminator(nullptr);
        platform::setReportHandler(nullptr);
        platform::raiseError(242);
      },
      testing::ExitedWithCode(255), "Untrapped Error #242 \\(String space corrupt\\)");
}

TEST(ErrorTrap, RecordsInsteadOfReporting) {
  ErrorRecorder recorder(ReportAnswer::Terminate);
  {
    platform::ErrorTrap trap;
    platform::ProcedureScope scope("COMMIT");
    EXPECT_FALSE(trap.failed());
    platform::raiseError(61);
    platform::raiseError(242);
    ASSERT_TRUE(trap.failed());
    ASSERT_EQ(trap.errors().size(), 2u);
    EXPECT_EQ(trap.errors()[0].number, 61);
    EXPECT_EQ(trap.errors()[0].description, "Disk full");
    EXPECT_EQ(trap.errors()[0].procedure, "COMMIT");
    trap.clear();
    EXPECT_FALSE(trap.failed());
  }
  EXPECT_TRUE(recorder.errors.empty());
  EXPECT_TRUE(recorder.exitCodes.empty());
  platform::raiseError(57);
  EXPECT_EQ(recorder.numbers(), std::vector<int>{57});
}

TEST(ErrorTrap, InnermostTrapRecordsThenTheOuterOneAgain) {
  ErrorRecorder recorder;
  platform::ErrorTrap outer;
  {
    platform::ErrorTrap inner;
    platform::raiseError(53);
    EXPECT_EQ(inner.errors().size(), 1u);
    EXPECT_FALSE(outer.failed());
  }
  platform::raiseError(76);
  ASSERT_EQ(outer.errors().size(), 1u);
  EXPECT_EQ(outer.errors()[0].number, 76);
  EXPECT_TRUE(recorder.errors.empty());
}

// A watch learns of every error without changing what happens to it: reported errors are still
// reported (and their answers obeyed), trapped ones still trapped.
TEST(ErrorWatch, SeesReportedAndTrappedErrorsWithoutHandlingThem) {
  ErrorRecorder recorder;
  platform::ProcedureScope scope("LOADDBS");
  platform::ErrorWatch watch;
  EXPECT_FALSE(watch.sawErrors());
  platform::raiseError(57);
  {
    platform::ErrorTrap trap;
    platform::raiseError(62);
    EXPECT_EQ(trap.errors().size(), 1u);
  }
  EXPECT_EQ(recorder.numbers(), std::vector<int>{57});
  ASSERT_TRUE(watch.sawErrors());
  ASSERT_EQ(watch.errors().size(), 2u);
  EXPECT_EQ(watch.errors()[0].number, 57);
  EXPECT_EQ(watch.errors()[0].description, "Device I/O error");
  EXPECT_EQ(watch.errors()[0].procedure, "LOADDBS");
  EXPECT_EQ(watch.errors()[1].number, 62);
}

TEST(ErrorWatch, TerminateIsStillObeyed) {
  ErrorRecorder recorder(ReportAnswer::Terminate);
  platform::ErrorWatch watch;
  platform::raiseError(53);
  EXPECT_EQ(recorder.exitCodes, std::vector<int>{255});
  EXPECT_EQ(watch.errors().size(), 1u);
}

TEST(ErrorWatch, NestedWatchesAllSeeTheErrorsOfTheirLifetimeOnly) {
  ErrorRecorder recorder;
  platform::raiseError(5);
  platform::ErrorWatch outer;
  {
    platform::ErrorWatch inner;
    platform::raiseError(53);
    EXPECT_EQ(inner.errors().size(), 1u);
  }
  platform::raiseError(76);
  ASSERT_EQ(outer.errors().size(), 2u);
  EXPECT_EQ(outer.errors()[0].number, 53);
  EXPECT_EQ(outer.errors()[1].number, 76);
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{5, 53, 76}));
  {
    platform::ErrorWatch later;
    EXPECT_FALSE(later.sawErrors());
  }
}

TEST(ErrorWatch, KeepsTheFirstErrorsAndCountsAll) {
  ErrorRecorder recorder;
  platform::ErrorWatch watch;
  for (int i = 0; i < 1000; ++i) platform::raiseError(i == 0 ? 57 : 62);
  EXPECT_EQ(watch.count(), 1000u);
  ASSERT_EQ(watch.errors().size(), platform::ErrorWatch::kKept);
  EXPECT_EQ(watch.errors().front().number, 57);
  EXPECT_EQ(watch.errors().back().number, 62);
  EXPECT_EQ(recorder.errors.size(), 1000u);
}

}  // namespace
