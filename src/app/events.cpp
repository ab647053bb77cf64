#include "app/events.h"

#include <utility>

namespace app {
namespace {
EventPump& pump() {
  static EventPump current;
  return current;
}
}  // namespace

EventPump setEventPump(EventPump newPump) {
  return std::exchange(pump(), std::move(newPump));
}

void pumpEvents(int32_t count) {
  if (pump()) pump()(count);
}

}  // namespace app
