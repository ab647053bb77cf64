#include "db/stable.h"

#include <algorithm>

#include "db/codecs.h"
#include "db/record_reader.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace db {

void Stable::FREERECORDS() {
  for (memory::HeapString* field :
       {&Name, &MediaPath, &Extra1, &Extra2, &Origin, &Creator, &Extra3, &Extra4}) {
    releaseText(*field);
  }
}

void LOADSTABLES(int fileNumber, Stable& record) {
  platform::ProcedureScope scope("LOADSTABLES");
  record.Name = MAKEDIACRITICS(fileNumber);

  // Every member takes a line of at least one byte, so a damaged count larger than what is left of
  // the file is read only up to the end of the file.
  int32_t count = std::max(readWhole(fileNumber), 0);
  int64_t remaining = platform::fileLength(fileNumber) - platform::filePosition(fileNumber) + 1;
  bool possible = count <= remaining;
  record.Members.assign(1, 0);
  record.Members.reserve(static_cast<size_t>(std::min<int64_t>(count, std::max<int64_t>(remaining, 0))) + 1);
  for (int32_t i = 1; i <= count; ++i) {
    if (!possible && platform::endOfFile(fileNumber)) break;
    record.Members.push_back(readWhole(fileNumber));
  }
  record.MemberCount = static_cast<int32_t>(record.Members.size()) - 1;

  record.LeaderCount = 0;
  for (int i = 0; i < 4; ++i) {
    int32_t leader = readWhole(fileNumber);
    if (leader != 0) record.Leaders[++record.LeaderCount] = leader;
  }

  record.MediaPath = MAKEASCII(fileNumber);
  stampProvenance(record);
  record.Deleted = readWhole(fileNumber);
  skipLines(fileNumber, 15);
}

}  // namespace db
