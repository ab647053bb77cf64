#include "db/referee.h"

#include "db/codecs.h"
#include "db/record_reader.h"
#include "platform/errors.h"

namespace db {

void Referee::FREERECORDS() {
  for (memory::HeapString* field : {&Name, &Origin, &Creator}) releaseText(*field);
}

void LOADREFEREES(int fileNumber, Referee& record) {
  platform::ProcedureScope scope("LOADREFEREES");
  record.Name = MAKEDIACRITICS(fileNumber);
  int32_t value = readWhole(fileNumber);
  record.RefereeFlag0 = testBit(value, 0);
  record.RefereeFlag1 = testBit(value, 1);
  record.RefereeNotFlag1 = 1 - record.RefereeFlag1;
  record.RefereeFlag2 = testBit(value, 2);
  record.RefereeNotFlag2 = 1 - record.RefereeFlag2;
  record.RefereeFlag3 = testBit(value, 3);
  record.RefereeValue = readWhole(fileNumber);
  stampProvenance(record);
  record.Deleted = readWhole(fileNumber);
  skipLines(fileNumber, 1);
}

}  // namespace db
