#include "db/gimmick.h"

#include "db/codecs.h"
#include "db/record_reader.h"
#include "platform/errors.h"

namespace db {

void GimmickMatch::FREERECORDS() {
  for (memory::HeapString* field : {&Name, &Text2, &Origin, &Creator}) releaseText(*field);
}

void LOADGIMMICKS(int fileNumber, GimmickMatch& record) {
  platform::ProcedureScope scope("LOADGIMMICKS");
  record.Name = MAKEASCII(fileNumber);
  record.Text2 = MAKEASCII(fileNumber);

  int32_t value = readWhole(fileNumber);
  record.GimmickBit0 = testBit(value, 0);
  record.GimmickBit1 = testBit(value, 1);
  record.GimmickBit2 = testBit(value, 2);
  record.GimmickValue3 = bitRange(value, 3, 4);
  record.GimmickBit5 = testBit(value, 5);
  record.GimmickBit6 = testBit(value, 6);
  record.GimmickBit7 = testBit(value, 7);
  record.GimmickBit8 = testBit(value, 8);
  record.GimmickBit9 = testBit(value, 9);
  record.GimmickBit10 = testBit(value, 10);
  record.GimmickBit11 = testBit(value, 11);
  record.GimmickBit17 = testBit(value, 17);
  record.GimmickBit18 = testBit(value, 18);
  record.GimmickBit19 = testBit(value, 19);
  record.GimmickBit20 = testBit(value, 20);
  record.GimmickBit21 = testBit(value, 21);
  record.GimmickBit22 = testBit(value, 22);
  record.GimmickBit23 = testBit(value, 23);
  if (record.GimmickBit18 == 0 && record.GimmickBit19 == 0) record.GimmickBit19 = 1;

  stampProvenance(record);
  skipLines(fileNumber, 4);
}

}  // namespace db
