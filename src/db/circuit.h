// Circuits (promotions) belong to a subsystem this program does not include: their rosters, cards
// and results are never loaded here. The load sequence keeps only an empty circuit table and the
// first lines of "\card.lgs" that it reads itself before handing a circuit to LOADCIRCUITS.
#pragma once

#include <cstdint>

#include "db/record_text.h"

namespace db {

// The circuit table holds circuits 1..kMaxCircuits (element 0 spare).
inline constexpr int32_t kMaxCircuits = 20;

struct Circuit {
  memory::HeapString Name = nullptr;
  memory::HeapString Text2 = nullptr;  // compared with the circuit filter
  memory::HeapString Text3 = nullptr;
  memory::HeapString ShortName = nullptr;  // Name without " Circuit"

  void FREERECORDS();
};

// Loading a circuit's own files is the circuit subsystem's work, which this program does not have:
// always 0 (failure). Only reached when a caller asks for circuits, which no caller does.
int32_t LOADCIRCUITS(int32_t circuit, int32_t mask);
// The circuit subsystem's computation after a circuit load: nothing to do here.
void COMPUTEM(int32_t circuit);

}  // namespace db
