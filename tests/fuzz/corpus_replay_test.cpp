// Every input kept in tests/fuzz/corpus/<target>/ run through its target with the ordinary compiler:
// the corpus guards against old faults even where no fuzzer is at hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "fuzz_target.h"

namespace fuzzing {
namespace {

namespace fs = std::filesystem;

std::map<std::string, TargetFunction>& targets() {
  static std::map<std::string, TargetFunction> registered;
  return registered;
}

std::string currentInput;

}  // namespace

void fail(std::string_view what) {
  ADD_FAILURE() << "broken rule: " << what << " (input " << currentInput << ")";
}

bool registerTarget(const char* name, TargetFunction function) {
  targets()[name] = function;
  return true;
}

namespace {

std::vector<fs::path> inputsOf(const std::string& target) {
  std::vector<fs::path> inputs;
  const fs::path folder = fs::path(ZOR_FUZZ_CORPUS) / target;
  if (!fs::is_directory(folder)) return inputs;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

class CorpusReplay : public ::testing::TestWithParam<std::string> {};

TEST_P(CorpusReplay, EveryKeptInputKeepsTheTargetsRules) {
  const std::vector<fs::path> inputs = inputsOf(GetParam());
  ASSERT_FALSE(inputs.empty()) << "no corpus for " << GetParam();
  for (const fs::path& input : inputs) {
    std::ifstream in(input, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    currentInput = input.filename().string();
    EXPECT_EQ(targets().at(GetParam())(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0)
        << currentInput;
  }
}

std::vector<std::string> targetNames() {
  std::vector<std::string> names;
  for (const auto& [name, function] : targets()) names.push_back(name);
  return names;
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, ::testing::ValuesIn(targetNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(CorpusReplayTargets, EveryTargetIsThere) {
  EXPECT_EQ(targetNames(), (std::vector<std::string>{"cli_arguments", "database_load", "export_parser",
                                                     "export_stream", "object_import", "settings"}));
}

}  // namespace
}  // namespace fuzzing
