#include "db/object.h"

#include "db/codecs.h"
#include "db/record_reader.h"
#include "platform/errors.h"

namespace db {

void ForeignObject::FREERECORDS() {
  for (memory::HeapString* field : {&StoredName, &ListName, &Origin, &Creator}) releaseText(*field);
}

void LOADFOREIGN(int fileNumber, ForeignObject& record) {
  platform::ProcedureScope scope("LOADFOREIGN");
  record.StoredName = MAKEASCII(fileNumber);
  record.ListName = memory::NEWSTRING(REMOVEARTICLE(text(record.StoredName)));
  for (int i = 1; i <= 20; ++i) record.ObjectValues[i] = readWhole(fileNumber);
  stampProvenance(record);
  skipLines(fileNumber, 19);
}

}  // namespace db
