#include "db/circuit.h"

#include "db/record_text.h"

namespace db {

void Circuit::FREERECORDS() {
  for (memory::HeapString* field : {&Name, &Text2, &Text3, &ShortName}) releaseText(*field);
}

int32_t LOADCIRCUITS(int32_t, int32_t) {
  return 0;
}

void COMPUTEM(int32_t) {}

}  // namespace db
