// The program services as the engine tests install them: untrapped errors recorded and answered
// Continue, a termination fails the test, event pumps counted, message boxes recorded and answered
// (questions as told), log lines kept. Everything is put back as it was when the recorder goes.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/errors.h"
#include "services/events.h"
#include "services/log.h"
#include "services/messages.h"

namespace testsupport {

class ServiceRecorder {
 public:
  ServiceRecorder() {
    previousHandler_ = platform::setReportHandler([this](const platform::UntrappedError& error) {
      reports.push_back(error);
      return platform::ReportAnswer::Continue;
    });
    previousTerminator_ =
        platform::setTerminator([](int exitCode) { FAIL() << "terminated with " << exitCode; });
    previousPump_ = services::setEventPump([this](int32_t count) { pumps.push_back(count); });
    previousBoxes_ = services::setMessageBoxService([this](const services::MessageBoxRequest& request) {
      boxes.push_back(request);
      if (onBox) onBox(request);
      return request.buttons == "YN" ? (answerYes ? 1 : 0) : 1;
    });
    previousSink_ = services::setLogSink([this](services::LogChannel channel, std::string_view line) {
      (channel == services::LogChannel::Files ? fileLog : log).emplace_back(line);
    });
  }
  ~ServiceRecorder() {
    services::setLogSink(previousSink_);
    services::setMessageBoxService(previousBoxes_);
    services::setEventPump(previousPump_);
    platform::setTerminator(previousTerminator_);
    platform::setReportHandler(previousHandler_);
  }
  ServiceRecorder(const ServiceRecorder&) = delete;
  ServiceRecorder& operator=(const ServiceRecorder&) = delete;

  std::vector<std::string> boxTexts() const {
    std::vector<std::string> texts;
    for (const services::MessageBoxRequest& box : boxes) texts.push_back(box.text);
    return texts;
  }

  bool answerYes = true;
  std::function<void(const services::MessageBoxRequest&)> onBox;
  std::vector<services::MessageBoxRequest> boxes;
  std::vector<platform::UntrappedError> reports;
  std::vector<std::string> log;
  std::vector<std::string> fileLog;
  std::vector<int32_t> pumps;

 private:
  platform::ReportHandler previousHandler_;
  platform::Terminator previousTerminator_;
  services::EventPump previousPump_;
  services::MessageBoxService previousBoxes_;
  services::LogSink previousSink_;
};

}  // namespace testsupport
