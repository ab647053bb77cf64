#include "db/manager.h"

#include "db/codecs.h"
#include "db/record_reader.h"
#include "platform/errors.h"

namespace db {

void Manager::FREERECORDS() {
  for (memory::HeapString* field : {&Name, &Name2, &Extra1, &Origin, &Creator, &Extra2, &Extra3}) {
    releaseText(*field);
  }
  for (int i = 1; i <= 10; ++i) releaseText(LineItems[i]);
}

void LOADMANAGERS(int fileNumber, Manager& record) {
  platform::ProcedureScope scope("LOADMANAGERS");
  record.Name = MAKEDIACRITICS(fileNumber);
  record.Name2 = MAKEDIACRITICS(fileNumber);
  int32_t value = readWhole(fileNumber);
  record.Flag3 = testBit(value, 0);
  record.Value3A = bitRange(value, 1, 4);
  record.Value3B = bitRange(value, 5, 8);
  record.Preset = 5;
  stampProvenance(record);
  record.Deleted = readWhole(fileNumber);
  skipLines(fileNumber, 6);
}

}  // namespace db
