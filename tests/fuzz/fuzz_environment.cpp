#include "fuzz_environment.h"

#include <fstream>
#include <iterator>
#include <memory>

#include "fuzz_target.h"
#include "platform/errors.h"
#include "services/messages.h"
#include "support/game_folder.h"
#include "support/import_scenario.h"

namespace fuzzing {

namespace {

std::unique_ptr<testsupport::GameFolder>& game() {
  static std::unique_ptr<testsupport::GameFolder> folder;
  return folder;
}

}  // namespace

void prepareProgram() {
  static const bool prepared = [] {
    platform::setReportHandler(
        [](const platform::UntrappedError&) { return platform::ReportAnswer::Continue; });
    // Only errors 241 and 242 end the program whatever the answer: running out of string space is a
    // fault of the engine on any input.
    platform::setTerminator(
        [](int code) { fail("the program was terminated with " + std::to_string(code)); });
    services::setMessageBoxService([](const services::MessageBoxRequest&) { return 0; });
    game() = std::make_unique<testsupport::GameFolder>();
    restoreGame();
    // The settings writer keeps its working file in the current directory.
    std::filesystem::current_path(game()->root());
    return true;
  }();
  (void)prepared;
}

const std::filesystem::path& scratchGame() {
  return game()->root();
}

void restoreGame() {
  testsupport::writeScenarioDatabase(*game());
}

std::string writeInput(std::string_view name, std::string_view bytes) {
  const std::filesystem::path path = scratchGame() / std::string(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace fuzzing
