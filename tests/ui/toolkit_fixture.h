// A form "Test" whose controls a test designs and whose events it records (and may answer).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/toolkit/test_hooks.h"
#include "ui/toolkit/toolkit.h"

namespace uitest {

using namespace ui::toolkit;

struct Seen {
  std::string form;
  int32_t id, code, value;
};

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetToolkit();
    setDialogScript(&script);
  }
  void TearDown() override {
    resetToolkit();
    setDialogScript(nullptr);
  }

  void makeForm(std::function<void()> design) {
    design_ = std::move(design);
    startGui([](int32_t&) { EZ_FORM("Test", "", "Test form", 0, 0, 60, 30, "", -1, -1); },
             [this](std::string& form, int32_t& id, int32_t& code, int32_t& value, int32_t& cancel) {
               seen.push_back(Seen{form, id, code, value});
               if (answer) answer(id, code, value, cancel);
             },
             [this](std::string&) { design_(); });
    handlePendingEvents();
  }

  std::vector<Seen> withCode(int32_t code) const {
    std::vector<Seen> found;
    for (const Seen& event : seen) {
      if (event.code == code) found.push_back(event);
    }
    return found;
  }

  DialogScript script;
  std::vector<Seen> seen;
  std::function<void(int32_t, int32_t, int32_t, int32_t&)> answer;

 private:
  std::function<void()> design_;
};

}  // namespace uitest
