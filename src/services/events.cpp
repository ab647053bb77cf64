#include "services/events.h"

#include <chrono>
#include <utility>

#include "platform/long_work.h"

namespace services {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kResponsiveInterval = std::chrono::milliseconds(20);
constexpr int32_t kResponsivePumpCount = 25;

EventPump& pump() {
  static EventPump current;
  return current;
}

Clock::time_point& lastPump() {
  static Clock::time_point last{};  // the first long step after a pump is installed pumps
  return last;
}

}  // namespace

EventPump setEventPump(EventPump newPump) {
  // The long loops of the platform layer keep the window painting too.
  platform::setLongWorkStep(&keepResponsive);
  return std::exchange(pump(), std::move(newPump));
}

void pumpEvents(int32_t count) {
  if (!pump()) return;
  pump()(count);
  lastPump() = Clock::now();
}

void keepResponsive() {
  if (!pump()) return;
  if (Clock::now() - lastPump() >= kResponsiveInterval) pumpEvents(kResponsivePumpCount);
}

}  // namespace services
