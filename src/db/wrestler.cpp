#include "db/wrestler.h"

#include <string>

#include "db/codecs.h"
#include "db/lookups.h"
#include "db/record_reader.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/text.h"

namespace db {

namespace {

// Keeps only the file name of a stored path.
void dropFolders(memory::HeapString& field) {
  std::string_view path = text(field);
  size_t slash = path.rfind('\\');
  if (slash == std::string_view::npos) return;
  memory::replaceHeapString(field, std::string(path.substr(slash + 1)));
}

int32_t hexColour(std::string_view digits) {
  return platform::low32(platform::hexValue(digits));
}

}  // namespace

void Wrestler::FREERECORDS() {
  for (memory::HeapString* field :
       {&Extra1,  &Extra2, &Name,   &Extra3, &AltName,    &Text53,     &Text60, &Text74,
        &Text78,  &Text80, &Text81, &Text82, &MediaPath,  &Extra4,     &Text73, &Origin,
        &Creator, &Extra5, &Extra6, &Extra7, &FileName91, &FileName92, &Text98}) {
    releaseText(*field);
  }
}

void LOADWRESTLERS(int fileNumber, Wrestler& record, std::string_view gameFolder) {
  platform::ProcedureScope scope("LOADWRESTLERS");
  record.Name = MAKEDIACRITICS(fileNumber);
  record.AltName = MAKEDIACRITICS(fileNumber);

  // Lines 3..52: each nonzero reference moves the position on, so the list has no gaps. The position
  // passes 50 only after the last line.
  int32_t position = 1;
  for (int line = 3; line <= 52; ++line) {
    record.MoveList[position] = readWhole(fileNumber);
    if (record.MoveList[position] != 0) ++position;
  }
  record.MoveListCount = position - 1;

  record.Text53 = MAKEDIACRITICS(fileNumber);
  int32_t value = readWhole(fileNumber);
  record.MoveRef54 = bitRange(value, 0, 15);
  record.Flag54 = testBit(value, 16);
  value = readWhole(fileNumber);
  record.MoveRef55A = bitRange(value, 0, 15);
  record.MoveRef55B = bitRange(value, 16, 30);
  record.MoveRef56 = bitRange(readWhole(fileNumber), 0, 15);
  record.Number57 = readWhole(fileNumber);
  record.Number58 = readWhole(fileNumber);
  record.Number59 = readWhole(fileNumber);

  record.Text60 = MAKEDIACRITICS(fileNumber);
  std::string_view title = text(record.Text60);
  if (!title.empty() && title.front() == '[') {
    size_t start = title.find_first_not_of('[');
    memory::replaceHeapString(record.Text60,
                              std::string(start == std::string_view::npos ? "" : title.substr(start)));
  }

  for (int i = 1; i <= 4; ++i) record.ManagerList[i] = readWhole(fileNumber);
  record.Number65 = readWhole(fileNumber);
  record.MoveRef66 = readWhole(fileNumber);
  record.Number67 = readWhole(fileNumber);

  value = readWhole(fileNumber);
  record.Flag68Bit0 = testBit(value, 0);
  record.Flag68Bit1 = testBit(value, 1);
  record.Flag68Bit2 = testBit(value, 2);
  record.Flag68Bit3 = testBit(value, 3);
  record.Level68 = bitRange(value, 5, 7) + 1;
  record.Flag68Bit9 = testBit(value, 9);
  record.Flag68Bit10 = testBit(value, 10);
  record.Flag68Bit11 = testBit(value, 11);
  record.Flag68Bit12 = testBit(value, 12);
  record.Flag68Bit13 = testBit(value, 13);
  record.Flag68Bit14 = testBit(value, 14);
  record.Flag68Bit15 = testBit(value, 15);

  record.MoveRef69 = readWhole(fileNumber);

  value = readWhole(fileNumber);
  record.Flag70Bit0 = testBit(value, 0);
  record.Flag70Bit1 = testBit(value, 1);
  record.Flag70Bit2 = testBit(value, 2);
  record.Flag70Bit3 = testBit(value, 3);
  record.Flag70Bit4 = testBit(value, 4);
  record.Flag70Bit5 = testBit(value, 5);
  record.Flag70Bit7 = testBit(value, 7);
  record.Flag70Bit8 = testBit(value, 8);
  record.Flag70Bit9 = testBit(value, 9);
  record.Flag70Bit10 = testBit(value, 10);
  record.Flag70Bit11 = testBit(value, 11);
  record.Flag70Bit12 = testBit(value, 12);
  record.Flag70Bit13 = testBit(value, 13);
  record.Flag70Bit14 = testBit(value, 14);
  record.Flag70Bit15 = testBit(value, 15);
  record.Flag70Bit16 = testBit(value, 16);
  record.Flag70Bit17 = testBit(value, 17);
  record.Flag70Bit18 = testBit(value, 18);
  record.Flag70Bit19 = testBit(value, 19);
  record.Flag70Bit20 = testBit(value, 20);
  record.Flag70Bit21 = testBit(value, 21);
  record.Flag70Bit22 = testBit(value, 22);
  record.Flag70Bit23 = testBit(value, 23);
  record.Flag70Bit24 = testBit(value, 24);
  record.Flag70Bit25 = testBit(value, 25);
  record.Flag70Bit26 = testBit(value, 26);
  record.Flag70Bit27 = testBit(value, 27);

  value = readWhole(fileNumber);
  record.MoveRef71B = bitRange(value, 16, 30);
  record.MoveRef71A = bitRange(value, 0, 15);

  record.MoveRef72 = readWhole(fileNumber);
  if (record.MoveRef72 == -1) {
    record.Unset72 = 1;
    record.MoveRef72 = 0;
  }

  record.Text73 = MAKEDIACRITICS(fileNumber);
  record.Text74 = MAKEDIACRITICS(fileNumber);
  record.MoveRef75 = readWhole(fileNumber);
  record.MoveRef76 = readWhole(fileNumber);
  record.MoveRef77 = readWhole(fileNumber);
  record.Text78 = MAKEDIACRITICS(fileNumber);
  record.Number79 = readWhole(fileNumber);
  record.Text80 = MAKEDIACRITICS(fileNumber);
  record.Text81 = MAKEASCII(fileNumber);
  record.Text82 = MAKEASCII(fileNumber);
  record.MediaPath = MAKEASCII(fileNumber);

  for (int i = 1; i <= 5; ++i) record.DiveList[i] = readWhole(fileNumber);
  skipLines(fileNumber, 1);
  value = readWhole(fileNumber);
  for (int bit = 0; bit < 10; ++bit) record.Flags90[bit] = testBit(value, bit);

  stampProvenance(record);

  record.FileName91 = MAKEASCII(fileNumber);
  dropFolders(record.FileName91);
  record.FileName92 = MAKEASCII(fileNumber);
  dropFolders(record.FileName92);

  record.Colour93 = hexColour(platform::readLine(fileNumber));
  std::string colourAndImage = platform::readLine(fileNumber);
  std::string_view image = delimitedPart(colourAndImage, '|', 2);
  if (!image.empty()) {
    record.Image94 = platform::low32(platform::numberValue(image));
  } else {
    record.Image94 = FINDIMAGE(std::string(gameFolder) + "\\media\\" + std::string(text(record.FileName92)));
  }
  record.Colour94 = hexColour(delimitedPart(colourAndImage, '|', 1));

  record.Deleted = readWhole(fileNumber);
  record.Number96 = readWhole(fileNumber);
  record.Number97 = readWhole(fileNumber);
  record.Text98 = MAKEASCII(fileNumber);
  skipLines(fileNumber, 22);
}

}  // namespace db
