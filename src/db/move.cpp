#include "db/move.h"

#include <string>

#include "db/codecs.h"
#include "db/record_reader.h"
#include "platform/errors.h"

namespace db {

namespace {

constexpr std::string_view kVowels = "aeiouAEIOU";

// The name line of a move or dive: the list name loses a lower-case article, and the stored name
// then carries the indefinite article that fits the list name. Both are converted from code page 437
// as every other name is, so that they show their letters and compare with the export's names, which
// the parser converts alike; the record files are copied line by line and never see them.
void readActionName(int fileNumber, memory::HeapString& storedName, memory::HeapString& listName) {
  storedName = MAKEDIACRITICS(fileNumber);
  std::string withoutArticle = REMOVEARTICLE(text(storedName));
  listName = memory::NEWSTRING(withoutArticle);
  if (withoutArticle == text(storedName)) return;
  bool vowel = !withoutArticle.empty() && kVowels.find(withoutArticle.front()) != std::string_view::npos;
  memory::replaceHeapString(storedName, (vowel ? "an " : "a ") + withoutArticle);
}

// Bits 0-6 of line 6; the value 100 stands for 19.
int32_t value6(int32_t line6) {
  int32_t value = bitRange(line6, 0, 6);
  return value == 100 ? 19 : value;
}

}  // namespace

void Move::FREERECORDS() {
  for (memory::HeapString* field : {&StoredName, &ListName, &Extra1, &Origin, &Creator, &Extra2, &Extra3}) {
    releaseText(*field);
  }
}

void Dive::FREERECORDS() {
  for (memory::HeapString* field : {&StoredName, &ListName, &Extra1, &Origin, &Creator, &Extra2, &Extra3}) {
    releaseText(*field);
  }
}

void LOADMOVES(int fileNumber, Move& record) {
  platform::ProcedureScope scope("LOADMOVES");
  readActionName(fileNumber, record.StoredName, record.ListName);

  int32_t value = readWhole(fileNumber);
  record.Value2 = bitRange(value, 0, 9);
  record.Flag2 = testBit(value, 10);
  value = readWhole(fileNumber);
  record.MoveRef3 = bitRange(value, 0, 15);
  record.Flag3A = testBit(value, 16);
  record.Flag3B = testBit(value, 17);
  value = readWhole(fileNumber);
  for (int bit = 0; bit <= 30; ++bit) record.Flags4[bit] = testBit(value, bit);
  value = readWhole(fileNumber);
  record.Value5A = bitRange(value, 0, 3);
  record.Value5B = bitRange(value, 4, 7);
  value = readWhole(fileNumber);
  record.Value6 = value6(value);
  record.MoveRef6A = bitRange(value, 7, 17);
  record.MoveRef6B = bitRange(value, 18, 31);
  for (int pair = 0; pair < 9; ++pair) {
    value = readWhole(fileNumber);
    record.FollowUps[2 * pair + 1] = bitRange(value, 0, 11);
    record.FollowUps[2 * pair + 2] = bitRange(value, 12, 23);
  }

  stampProvenance(record);
  record.Deleted = readWhole(fileNumber);
  skipLines(fileNumber, 11);
}

void LOADDIVES(int fileNumber, Dive& record) {
  platform::ProcedureScope scope("LOADDIVES");
  readActionName(fileNumber, record.StoredName, record.ListName);

  record.Value2 = bitRange(readWhole(fileNumber), 0, 9);
  record.MoveRef3 = bitRange(readWhole(fileNumber), 0, 15);
  int32_t value = readWhole(fileNumber);
  int flag = 1;
  for (int bit : {0, 7, 15, 19, 20, 21, 22, 23}) record.DiveFlags[flag++] = testBit(value, bit);
  value = readWhole(fileNumber);
  record.Value5A = bitRange(value, 0, 3);
  record.Value5B = bitRange(value, 4, 7);
  value = readWhole(fileNumber);
  record.Value6 = value6(value);
  record.MoveRef6A = bitRange(value, 7, 17);

  stampProvenance(record);
  record.Deleted = readWhole(fileNumber);
  skipLines(fileNumber, 3);
}

}  // namespace db
