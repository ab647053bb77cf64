// The event pump: long loops (database load, record copies, batch files) call pumpEvents so that the
// window keeps painting. The window installs the pump; without one the call does nothing.
#pragma once

#include <cstdint>
#include <functional>

namespace services {

using EventPump = std::function<void(int32_t count)>;
EventPump setEventPump(EventPump pump);
// Lets the front end process pending events (the toolkit's EZ_DOEVENTS with `count`).
void pumpEvents(int32_t count);
// For long loops, once per step: pumps events when some 20 ms have passed since the last pump, so
// that the window never stays frozen for long whatever the size of the work.
void keepResponsive();

}  // namespace services
