#include "platform/long_work.h"

#include <utility>

namespace platform {
namespace {

LongWorkStep& installedStep() {
  static LongWorkStep step = nullptr;
  return step;
}

}  // namespace

LongWorkStep setLongWorkStep(LongWorkStep step) {
  return std::exchange(installedStep(), step);
}

void longWorkStep() {
  if (LongWorkStep step = installedStep()) step();
}

}  // namespace platform
